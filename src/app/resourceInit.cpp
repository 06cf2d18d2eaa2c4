#include "app/resourceInit.h"

#include <QtGlobal>

static void initImagesBundle()
{
    // The bundle lives in a static library; naming its initialiser keeps the
    // linker from dropping it.
    Q_INIT_RESOURCE(images);
}

void initOrvaneResources()
{
    initImagesBundle();
}
