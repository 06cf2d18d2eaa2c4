#include "app/graphicsIntegration.h"

#include <QtGlobal>

void skipUnusedOpenGl()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
