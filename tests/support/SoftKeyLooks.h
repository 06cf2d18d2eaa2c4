#pragma once

#include <QList>

class QWidget;
class SoftKeyboardButCustom;

// The on-screen keyboard's keys as they are drawn: a key shows the marked
// look when its bottom line is in the theme's selection colour.
namespace SoftKeyLooks {

bool showsMarkedLook(SoftKeyboardButCustom* key);
// The usages of the keys under `page` that show the marked look, sorted.
QList<int> markedLooks(const QWidget& page);

} // namespace SoftKeyLooks
