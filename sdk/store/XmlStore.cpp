#include "sdk/store/XmlStore.h"

#include <QCoreApplication>
#include <QThread>

XmlStore& XmlStore::instance()
{
    static XmlStore store;
    return store;
}

void XmlStore::checkThread()
{
#ifndef QT_NO_DEBUG
    if (const QCoreApplication* app = QCoreApplication::instance())
        Q_ASSERT_X(QThread::currentThread() == app->thread(), "profile store", "called off the GUI thread");
#endif
}
