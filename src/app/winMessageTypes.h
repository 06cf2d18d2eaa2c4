#pragma once

#include <QtGlobal>

// The mouse-hook relay carries the message word and the event data the way
// the hook delivers them; these keep the Windows names at the same widths.
typedef quintptr WPARAM;
typedef qintptr LPARAM;
