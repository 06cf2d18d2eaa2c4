#include "support/KeyMapOnKeyboard.h"

#include "support/DevicePageProbe.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sim/SimulatedKeyboard.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/widgets/CbNotice.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace KeyMapOnKeyboard {

bool keyboardReady(const DDevicePage& page)
{
    return QTest::qWaitFor(
        [&page] {
            DevicePageProbe probe(page);
            return probe.selectedLink() && probe.selectedLink()->isReady() && !probe.profileFolder().isEmpty();
        },
        5000);
}

int placeOf(int usage)
{
    const QList<keyboardButCustom*> caps = DDataManager::getInstance()->keyButtonList();
    for (int at = 0; at < caps.size(); ++at) {
        if (caps.at(at) && caps.at(at)->keyCode() == usage)
            return at;
    }
    return -1;
}

QByteArray keyMapBytes(const SimulatedKeyboard& keyboard, int layer)
{
    const std::vector<uint8_t> bytes = keyboard.keyMap(layer);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
}

QByteArray keyEntry(const SimulatedKeyboard& keyboard, int layer, int usage)
{
    const int place = placeOf(usage);
    return place < 0 ? QByteArray() : keyMapBytes(keyboard, layer).mid(place * 4, 4);
}

QWidget* openFunctionPage(DCustomKeysPage* keys, int usage, const char* function, const char* stackPage)
{
    DDataManager::getInstance()->setCurrentKey(usage, QStringLiteral("K"));
    keys->findChild<QToolButton*>(QLatin1String(function))->click();
    return keys->findChild<QWidget*>(QLatin1String(stackPage));
}

bool pickOnScreen(QWidget* holder, const char* field, const QList<int>& usages)
{
    auto* edit = holder ? holder->findChild<QLineEdit*>(QLatin1String(field)) : nullptr;
    if (!edit)
        return false;
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(edit, &focus);
    for (int usage : usages) {
        SoftKeyboardButCustom* key = nullptr;
        for (SoftKeyboardButCustom* onScreen : holder->findChildren<SoftKeyboardButCustom*>()) {
            if (onScreen->keyDec() == usage)
                key = onScreen;
        }
        if (!key)
            return false;
        QTest::mouseClick(key, Qt::LeftButton);
    }
    return true;
}

QString download(const DDevicePage& page)
{
    DevicePageProbe probe(page);
    // The download runs to its end inside the click.
    probe.customKeysPage()->findChild<QPushButton*>(QStringLiteral("pushButton_Download"))->click();
    return probe.toast()->text();
}

} // namespace KeyMapOnKeyboard
