#pragma once

#include <QByteArray>
#include <QList>

class DCustomKeysPage;
class DDevicePage;
class QWidget;
class SimulatedKeyboard;

// What the device page's key tab gives a key and what the simulated
// keyboard holds for it after a download, for tests that follow a key from
// the picture into the keyboard.
namespace KeyMapOnKeyboard {

// Key-map layer codes as the keyboard keeps them.
constexpr int kDefaultLayer = 0;
constexpr int kFnLayer = 2;

// The keyboard selected, its link ready and its profile files open.
bool keyboardReady(const DDevicePage& page);
// The place of a key in the key map, as the keyboard picture orders it; -1
// for a key not on the picture.
int placeOf(int usage);
// The key's four bytes in a layer's key map; empty for a key not on the
// picture.
QByteArray keyEntry(const SimulatedKeyboard& keyboard, int layer, int usage);
QByteArray keyMapBytes(const SimulatedKeyboard& keyboard, int layer);
// Selects the key and opens a function's page; its holder in the stack.
QWidget* openFunctionPage(DCustomKeysPage* keys, int usage, const char* function, const char* stackPage);
// Gives the field of an opened page the focus and clicks the keys of the
// on-screen keyboard in it, as a user picks a remap or a combination.
bool pickOnScreen(QWidget* holder, const char* field, const QList<int>& usages);
// The Download button, waited for until the page says how it ended: the
// toast's text.
QString download(const DDevicePage& page);

} // namespace KeyMapOnKeyboard
