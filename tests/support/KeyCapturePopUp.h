#pragma once

class ArrowWidget;
class DCustomKeysPage;

// Opens the capture pop-up of the key page's remap (function 2) or
// key-combination (function 7) page as a click into its field does, with
// that page on show; the open pop-up, or null.
ArrowWidget* openCapturePopUp(DCustomKeysPage& keys, int functionId);
// Closes it with its close control.
void closeCapturePopUp(ArrowWidget& popup);
