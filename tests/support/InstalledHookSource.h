#pragma once

#include "support/FakeInputHookSource.h"

// A fake input source that is the program's hook source for as long as it
// lives: installed when made, taken out again before it goes.
class InstalledHookSource : public FakeInputHookSource
{
    Q_OBJECT

public:
    explicit InstalledHookSource(Reach reach = Reach::WholeDesktop);
    ~InstalledHookSource() override;
};
