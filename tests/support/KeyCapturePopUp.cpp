#include "support/KeyCapturePopUp.h"

#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

ArrowWidget* openCapturePopUp(DCustomKeysPage& keys, int functionId)
{
    keys.onCurIndexChanged_Key(functionId);
    // Only a page on show takes the request.
    keys.window()->show();
    auto* field = keys.findChild<QLineEdit*>(functionId == 2 ? QStringLiteral("lineEdit_changForKey")
                                                             : QStringLiteral("lineEdit_keyCombination"));
    if (!field)
        return nullptr;
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(field, &focus);
    for (auto* popup : keys.findChildren<ArrowWidget*>()) {
        if (popup->isPopupOpen())
            return popup;
    }
    return nullptr;
}

void closeCapturePopUp(ArrowWidget& popup)
{
    if (auto* close = popup.findChild<QToolButton*>(QStringLiteral("toolButton_StopListening")))
        QTest::mouseClick(close, Qt::LeftButton);
}
