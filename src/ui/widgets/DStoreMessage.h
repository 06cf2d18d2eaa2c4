#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// What the profile store did to a file the user relies on (set a damaged one
// aside, restored or emptied it, refused it): shown whole, wrapped and until
// the user closes it. The file's name and the place of its damaged copy are
// what the user needs to find them again; a toast would cut them off and
// fade. Not modal, so a keyboard that keeps loading is not held up.
class DStoreMessage
{
public:
    // Shows text in parent's store message, below what an open one already
    // says; the box is parent's child named "storeMessage".
    static QMessageBox* show(QWidget* parent, const QString& text);
};
