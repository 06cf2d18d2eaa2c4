// The device page restyled from each theme: every widget the theme names
// gets its filled template and font, the scroll bar a moment later, the
// marquee its colours and a hidden state, the link the accent colour.
#include "TestMain.h"

#include "DDataManager.h"
#include "mainwidget/devicePage/DDevicePage.h"
#include "mainwidget/devicePage/DDevicePageTheme.h"
#include "resourceInit.h"
#include "widgets/TextMoveWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <memory>

namespace {

QStringList g_cssWarnings;

void catchCssWarnings(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("QCssParser")))
        g_cssWarnings << message;
}

// A bare widget of the same kind as the one a sheet is made for.
QWidget* probeLike(const QWidget* target)
{
    if (qobject_cast<const QComboBox*>(target))
        return new QComboBox;
    if (qobject_cast<const QLineEdit*>(target))
        return new QLineEdit;
    if (qobject_cast<const QPushButton*>(target))
        return new QPushButton(QStringLiteral("Reset"));
    if (qobject_cast<const QLabel*>(target))
        return new QLabel(QStringLiteral("text"));
    if (qobject_cast<const QFrame*>(target))
        return new QFrame;
    return new QWidget;
}

}

class tst_devicePageTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initOrvaneResources();
        DDataManager::getInstance();
    }
    void cleanup()
    {
        DDataManager::getInstance()->setBgImageIsUsing(false);
        DDataManager::getInstance()->loadTheme(0);
    }

    void everyThemeRestylesThePage_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("backgroundImage");
        const char* const names[] = {"Black", "Light", "Blue", "Pink", "Other"};
        for (int i = 0; i < 5; ++i) {
            QTest::newRow(names[i]) << i << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 with image").arg(names[i]))) << i << true;
        }
    }
    void everyThemeRestylesThePage()
    {
        QFETCH(int, theme);
        QFETCH(bool, backgroundImage);
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(backgroundImage);
        data->loadTheme(theme);
        const themeColorData colours = data->themeColors();

        DDevicePage page;
        auto* marquee = page.findChild<TextMoveWidget*>(QStringLiteral("widget_MoveTip"));
        marquee->show();
        page.setTheme();

        QHash<QString, int> seen;
        for (const DDevicePageTheme::Style& style : DDevicePageTheme::styles(colours)) {
            QWidget* target = page.findChild<QWidget*>(style.objectName);
            QVERIFY2(target, qPrintable(style.objectName));
            ++seen[style.objectName];
            if (!style.styleSheet.isEmpty())
                QCOMPARE(target->styleSheet(), style.styleSheet);
            if (style.font != DDevicePageTheme::NoFont) {
                QCOMPARE(target->font().pointSize(), style.pointSize);
                QCOMPARE(target->font().family(), data->getFont(style.font).family());
            }
        }
        QCOMPARE(seen.value(QStringLiteral("label")), 2);

        // A theme with an image keeps the alpha in the style sheets.
        const QString rightStyle = page.findChild<QWidget*>(QStringLiteral("frame_Right"))->styleSheet();
        QCOMPARE(rightStyle.count(QLatin1Char(',')), colours.deviceRightBgColor.count(QLatin1Char(',')));
        if (!backgroundImage)
            QCOMPARE(rightStyle.count(QLatin1Char(',')), 2);
        else
            QCOMPARE(rightStyle.count(QLatin1Char(',')), 3);

        QVERIFY(marquee->isHidden());
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("label_Url"))
                    ->text()
                    .contains(QStringLiteral("color:rgb(%1);").arg(colours.textCheckedColor)));

        QWidget* scrollHost = page.findChild<QWidget*>(QStringLiteral("widget_4"));
        const QString expectedScroll = DDevicePageTheme::scrollBarStyle(colours);
        QCOMPARE(page.scrollBarStyle(), expectedScroll);
        QVERIFY(scrollHost->styleSheet() != expectedScroll);
        QTRY_COMPARE(scrollHost->styleSheet(), expectedScroll);

        // Every sheet must be one Qt accepts in full, colours included: each
        // is tried on a fresh widget of its target's kind, so the warnings
        // are this page's and not the hosted pages'.
        g_cssWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(catchCssWarnings);
        for (const DDevicePageTheme::Style& style : DDevicePageTheme::styles(colours)) {
            if (style.styleSheet.isEmpty())
                continue;
            std::unique_ptr<QWidget> probe(probeLike(page.findChild<QWidget*>(style.objectName)));
            probe->setObjectName(style.objectName);
            probe->setStyleSheet(style.styleSheet);
            probe->resize(200, 40);
            probe->grab();
        }
        QScrollBar bar(Qt::Vertical);
        bar.setStyleSheet(expectedScroll);
        bar.setRange(0, 100);
        bar.resize(4, 300);
        bar.grab();
        qInstallMessageHandler(previous);
        QVERIFY2(g_cssWarnings.isEmpty(), qPrintable(g_cssWarnings.join(QLatin1Char('\n'))));
    }

    void twiceGivesTheSameLook()
    {
        DDevicePage page;
        page.setTheme();
        QStringList first;
        for (QWidget* w : page.findChildren<QWidget*>())
            first << w->objectName() + QLatin1Char('=') + w->styleSheet();
        page.setTheme();
        QStringList second;
        for (QWidget* w : page.findChildren<QWidget*>())
            second << w->objectName() + QLatin1Char('=') + w->styleSheet();
        QCOMPARE(second, first);
    }
};

ORVANE_TEST_MAIN(tst_devicePageTheme)
#include "tst_devicePageTheme.moc"
