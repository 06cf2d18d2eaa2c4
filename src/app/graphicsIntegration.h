#pragma once

// Before the application object: tells Qt's X11 integration not to load an
// OpenGL driver, which a program that draws nothing with OpenGL does not
// need (the software driver alone takes some 40 MB). A value the user has
// set is left alone.
void skipUnusedOpenGl();
