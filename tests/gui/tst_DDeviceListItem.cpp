#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>

#include <cstring>

namespace {

hidStructInfoAll record(const char* model, const char* product, const char* like, int online, int is24G)
{
    hidStructInfoAll info;
    std::strncpy(info.modelName, model, sizeof(info.modelName) - 1);
    std::strncpy(info.productName, product, sizeof(info.productName) - 1);
    std::strncpy(info.likeName, like, sizeof(info.likeName) - 1);
    std::strncpy(info.hidPath, "sim:0001", sizeof(info.hidPath) - 1);
    info.isOnline = online;
    info.is24G = is24G;
    return info;
}

// The colour the picture's frame is outlined in, as drawn.
QColor borderOf(DDeviceListItem& row)
{
    auto* frame = row.findChild<QFrame*>(QStringLiteral("frame_DeviceImageBg"));
    return RenderedLook::pixel(frame, QPoint(0, frame->height() / 2));
}

QColor accent()
{
    return DDataManager::getInstance()->themeRoles().color(DThemeRoles::AccentText);
}

QLabel* label(DDeviceListItem& row, const char* name)
{
    return row.findChild<QLabel*>(QLatin1String(name));
}

} // namespace

class tst_DDeviceListItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void names_data()
    {
        QTest::addColumn<QByteArray>("product");
        QTest::addColumn<int>("online");
        QTest::addColumn<int>("is24G");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("productShown");
        QTest::newRow("cable") << QByteArray("Orvane Swift 68 HE") << 1 << 0 << "Swift 68 HE(USB)" << true;
        QTest::newRow("receiver, online") << QByteArray("Orvane Swift 68 HE") << 1 << 1 << "Swift 68 HE(2.4G)" << true;
        QTest::newRow("receiver, offline")
            << QByteArray("Orvane Swift 68 HE") << 0 << 1 << "Swift 68 HE(OffLine)" << true;
        QTest::newRow("offline record") << QByteArray("Orvane Swift 68 HE") << 0 << 0 << "Swift 68 HE(OffLine)" << true;
        QTest::newRow("online value other than 1")
            << QByteArray("Orvane Swift 68 HE") << 2 << 0 << "Swift 68 HE(OffLine)" << true;
        QTest::newRow("no product name") << QByteArray() << 1 << 0 << "Swift 68 HE(USB)" << false;
    }
    void names()
    {
        QFETCH(QByteArray, product);
        QFETCH(int, online);
        QFETCH(int, is24G);
        QFETCH(QString, shown);
        QFETCH(bool, productShown);
        QWidget list;
        auto* row = new DDeviceListItem(&list);
        list.show();
        row->setDeviceInfo(record("OV68M", product.constData(), "Swift 68 HE", online, is24G));
        QCOMPARE(label(*row, "label_DeviceName")->text(), shown);
        QCOMPARE(label(*row, "label_ProductName")->isVisibleTo(row), productShown);
        if (productShown)
            QCOMPARE(label(*row, "label_ProductName")->text(), QString::fromUtf8(product));
        QCOMPARE(row->onlineState(), online);
        QCOMPARE(row->deviceInfo().isOnline, online);
        // The list shows only keyboards that are online.
        QCOMPARE(row->isVisible(), online != 0);
        QCOMPARE(row->size(), QSize(190, 140));
    }

    void productNameIsUtf8()
    {
        DDeviceListItem row;
        row.setDeviceInfo(record("OV68M", "Orvane Tastatur \xc3\xbc", "Swift", 1, 0));
        QCOMPARE(label(row, "label_ProductName")->text(), QStringLiteral("Orvane Tastatur ü"));
    }

    void picture_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QSize>("box");
        QTest::newRow("default box") << "OV68M" << QSize(186, 136);
        QTest::newRow("catalogue's tall box") << "OV82" << QSize(51, 91);
        QTest::newRow("catalogue's wide box") << "OV61" << QSize(100, 89);
        QTest::newRow("unknown model") << "NOPE" << QSize(186, 136);
    }
    void picture()
    {
        QFETCH(QString, model);
        QFETCH(QSize, box);
        QCOMPARE(DDeviceListItem::pictureBox(model), box);
        QCOMPARE(DDeviceListItem::pictureFile(model),
                 QCoreApplication::applicationDirPath() + "/images/hidImages/Keyboard_" + model + ".png");
    }

    // A picture beside the program is scaled into the box keeping its
    // proportions; none leaves the picture empty and the names as usual.
    void pictureFileBesideProgram()
    {
        QVERIFY(linkProgramPictures());
        const QImage drawn(DDeviceListItem::pictureFile(QStringLiteral("OV68M")));
        QVERIFY(!drawn.isNull());

        DDeviceListItem withPicture;
        withPicture.setDeviceInfo(record("OV68M", "P", "L", 1, 0));
        const QPixmap shown = label(withPicture, "label_DeviceImage")->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.size(), drawn.size().scaled(QSize(186, 136), Qt::KeepAspectRatio));

        DDeviceListItem without;
        without.setDeviceInfo(record("NOPICTURE", "P", "L", 1, 0));
        QVERIFY(label(without, "label_DeviceImage")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(label(without, "label_DeviceName")->text(), QStringLiteral("L(USB)"));
    }

    void selectionBorder()
    {
        DDeviceListItem row;
        row.setDeviceInfo(record("OV68M", "P", "L", 1, 0));
        QVERIFY(borderOf(row) != accent());
        row.setSelected(true);
        QVERIFY(row.isSelected());
        QCOMPARE(borderOf(row), accent());

        // Going offline while selected drops the border but not the selection,
        // so coming back shows it again.
        row.setOnline(0);
        QVERIFY(row.isSelected());
        QVERIFY(borderOf(row) != accent());
        row.setOnline(1);
        row.setSelected(row.isSelected());
        QCOMPARE(borderOf(row), accent());

        row.setSelected(false);
        QVERIFY(!row.isSelected());
        QVERIFY(borderOf(row) != accent());
    }

    void offlineOverlay()
    {
        QWidget list;
        auto* row = new DDeviceListItem(&list);
        list.show();
        row->setDeviceInfo(record("OV68M", "P", "L", 1, 0));
        auto* overlay = row->findChild<QWidget*>(QStringLiteral("widget"));
        QVERIFY(!overlay || !overlay->isVisible());
        QVERIFY(row->isVisible());

        row->setOnline(0);
        overlay = row->findChild<QWidget*>(QStringLiteral("widget"));
        QVERIFY(overlay);
        QVERIFY(overlay->isVisibleTo(row));
        QCOMPARE(overlay->size(), QSize(190, 140));

        QVERIFY(!row->isVisible());
        QCOMPARE(row->deviceInfo().isOnline, 0);
        // Where an offline row shows, the veil darkens it.
        row->show();
        const QColor veiled = RenderedLook::pixel(row, QPoint(2, 2));
        overlay->hide();
        const QColor bright = RenderedLook::pixel(row, QPoint(2, 2));
        overlay->show();
        row->hide();
        QVERIFY2(qGray(veiled.rgb()) < qGray(bright.rgb()), qPrintable(veiled.name() + " " + bright.name()));

        row->setOnline(1);
        QVERIFY(!overlay->isVisibleTo(row));
        QVERIFY(row->isVisible());
        QCOMPARE(row->onlineState(), 1);
    }

    void pressEmitsRecord_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void pressEmitsRecord()
    {
        QFETCH(int, button);
        DDeviceListItem row;
        row.setDeviceInfo(record("OV84W", "Orvane Pulse 84 Wireless", "Pulse 84 Wireless", 1, 1));
        QSignalSpy spy(&row, &DDeviceListItem::sigHidItemMouseClicked);
        QTest::mousePress(&row, Qt::MouseButton(button), {}, QPoint(20, 20));
        QCOMPARE(spy.count(), 1);
        const auto sent = spy.at(0).at(0).value<hidStructInfoAll>();
        QCOMPARE(QByteArray(sent.modelName), QByteArray("OV84W"));
        QCOMPARE(QByteArray(sent.hidPath), QByteArray("sim:0001"));
        QCOMPARE(sent.is24G, 1);
    }

    void themeBeforeRecord()
    {
        DDeviceListItem row;
        row.setTheme();
        QCOMPARE(label(row, "label_ProductName")->font().pointSize(), 11);
        QCOMPARE(label(row, "label_DeviceName")->font().pointSize(), 12);
        QCOMPARE(row.onlineState(), 0);
        QVERIFY(!row.isSelected());
    }

    // Names readable on the row in every theme.
    void namesReadable_data()
    {
        ThemeUnderTest::addEveryThemeRow();
    }
    void namesReadable()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope inUse(theme);
        QWidget list;
        auto* row = new DDeviceListItem(&list);
        row->setDeviceInfo(record("NOPICTURE", "Orvane Product", "Keyboard name", 1, 0));
        list.resize(row->size());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QColor panel = RenderedLook::background(row->findChild<QFrame*>(QStringLiteral("frame")));
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        QCOMPARE(RenderedLook::text(label(*row, "label_ProductName")), roles.color(DThemeRoles::AccentText));
        QCOMPARE(RenderedLook::text(label(*row, "label_DeviceName")), roles.color(DThemeRoles::Text));
        for (const char* name : {"label_ProductName", "label_DeviceName"}) {
            const double ratio = ContrastRatio::contrast(RenderedLook::text(label(*row, name)), panel);
            QVERIFY2(ratio >= ContrastRatio::kText, qPrintable(QStringLiteral("%1: %2").arg(name).arg(ratio)));
        }
    }
};

ORVANE_TEST_MAIN(tst_DDeviceListItem)
#include "tst_DDeviceListItem.moc"
