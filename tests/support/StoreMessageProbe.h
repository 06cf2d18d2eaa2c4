#pragma once

#include <QString>

class QWidget;

namespace StoreMessageProbe {

// What is wrong with the store message `window` shows after the store found
// `file` damaged and set it aside: it must be on show and name the file,
// the outcome (`outcome`, a part of the message) and the one damaged copy
// beside the file. Empty when all is there.
QString problemWith(QWidget* window, const QString& file, const QString& outcome);

} // namespace StoreMessageProbe
