#include "ui/mainwidget/devicePage/keyFunctions/DKeyCapturePopUp.h"

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"
#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui/widgets/ArrowWidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

DKeyCapturePopUp::DKeyCapturePopUp(QWidget* page, QLineEdit* field, DVirtualKeyboardTool* keyboard)
    : QObject(page)
    , m_page(page)
    , m_field(field)
{
    m_popup = DKeyFunctionPages::createKeyboardPopup(page, keyboard);
    // The capture's keyboard grab takes the activation from the bubble at
    // the first key; that is no reason to stop listening.
    m_popup->setClosesOnDeactivation(false);
    m_popup->setClosesOnClickOutside(true);
    m_popup->setCompanion(field);
    // The field shows the pick; text typed into it would store nothing.
    m_field->setReadOnly(true);
    m_field->installEventFilter(this);
    m_page->installEventFilter(this);
    m_popup->installEventFilter(this);
    connect(keyboard, &DVirtualKeyboardTool::sigStopListeningClicked, this, &DKeyCapturePopUp::close);
}

bool DKeyCapturePopUp::isOpen() const
{
    return m_popup->isPopupOpen();
}

void DKeyCapturePopUp::close()
{
    if (m_popup->isVisible())
        m_popup->dismiss();
}

void DKeyCapturePopUp::open()
{
    m_popup->setPopupOpen(true);
    DKeyFunctionPages::openKeyboardPopup(m_popup, m_field);
    emit sigCaptureAsked();
}

bool DKeyCapturePopUp::userAsksOnField(QEvent* event) const
{
    // Focus the program moves on by itself (a page hidden under the focus,
    // the window activated again) is no request.
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
               || reason == Qt::ShortcutFocusReason;
    }
    case QEvent::MouseButtonPress:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    default:
        return false;
    }
}

bool DKeyCapturePopUp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        if (!isOpen() && m_page->isVisible() && userAsksOnField(event))
            open();
    } else if (watched == m_page) {
        if (event->type() == QEvent::Hide)
            close();
    } else if (watched == m_popup) {
        // Escape may be the key wanted; the bubble is left by its close
        // control or a click elsewhere.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
    }
    return QObject::eventFilter(watched, event);
}
