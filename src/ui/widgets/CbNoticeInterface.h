#pragma once

#include <QPoint>
#include <QString>

// What a page needs of a toast: a short message, shown and then gone by
// itself. Pages talk to this, not to the widget that draws it.
class CbNoticeInterface
{
public:
    virtual ~CbNoticeInterface();

    virtual void showNotice() = 0;
    virtual void showNoticeText(QString text) = 0;
    // A null centre means the toast's own default anchor.
    virtual void showNoticeTextAt(QString text, QPoint centre) = 0;
};
