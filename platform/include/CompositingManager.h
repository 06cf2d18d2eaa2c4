#pragma once

// Whether the desktop composites windows, so a window's transparent parts
// show what lies behind it. On X11 that takes a compositing manager (the
// owner of the _NET_WM_CM_S<screen> selection); without one, transparent
// parts show black. Other window systems (Wayland, offscreen) always
// composite.
bool compositingManagerRunning();
