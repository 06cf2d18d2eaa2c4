#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/triggerSetting/DKeyCalibrationExplainDia.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <QTranslator>

namespace {

QList<ArrowWidget*> bubbles()
{
    QList<ArrowWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* bubble = qobject_cast<ArrowWidget*>(widget))
            found << bubble;
    }
    return found;
}

void hover(QWidget* button, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(button, &event);
}

} // namespace

// The explanation bubbles over the trigger page's question-mark buttons.
class tst_triggerExplainBubbles : public QObject
{
    Q_OBJECT

private:
    DTriggerSettingPage* m_page = nullptr;

    QToolButton* button(const QString& name) const { return m_page->findChild<QToolButton*>(name); }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        m_page = new DTriggerSettingPage;
        m_page->resize(1096, 251);
        m_page->move(100, 400);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
    }

    void cleanupTestCase() { delete m_page; }

    void eachButtonShowsItsExplanation_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("key calibration") << "toolButton_Explain" << QSize(360, 203) << "page_1"
                                         << QStringList{"1.Into key calibration mode first;", "2.Select one key;",
                                                        "3.Clicked \"Start calibration\";", "4.Press the selected key;",
                                                        "5.Return key calibration results;"};
        QTest::newRow("quick trigger")
            << "toolButton_QuickTriggerExplain" << QSize(310, 173) << "page_2"
            << QStringList{"When enabled, the quick trigger will only terminate when you completely release the "
                           "button.\nWhen disabled, the key is released until the axis triggers the travel and "
                           "terminates the quick trigger."};
        QTest::newRow("press duration") << "toolButton_MagneticKeyExplain" << QSize(310, 130) << "page_3"
                                        << QStringList{"Set the required press key duration for triggering."};
        QTest::newRow("all keys calibration")
            << "toolButton_Explain_2" << QSize(360, 173) << "page_4"
            << QStringList{"When all keys calibration is enabled, please press all keys to complete the calibration."};
    }

    void eachButtonShowsItsExplanation()
    {
        QFETCH(QString, buttonName);
        QFETCH(QSize, size);
        QFETCH(QString, page);
        QFETCH(QStringList, texts);
        QToolButton* source = button(buttonName);
        QVERIFY(source);
        hover(source, QEvent::Enter);

        const QList<ArrowWidget*> shown = bubbles();
        QCOMPARE(shown.size(), 1);
        ArrowWidget* bubble = shown.first();
        QVERIFY(bubble->isVisible());
        QCOMPARE(bubble->size(), size);
        // Left edge 38 px left of the button's centre, bottom edge 2 px above it.
        const QPoint buttonTop = source->mapToGlobal(QPoint(source->width() / 2, 0));
        QCOMPARE(bubble->pos(), QPoint(buttonTop.x() - 38, buttonTop.y() - size.height() - 2));

        auto* content = bubble->findChild<DKeyCalibrationExplainDia*>();
        QVERIFY(content);
        QCOMPARE(content->geometry(), QRect(15, 15, size.width() - 30, size.height() - 30));
        auto* stack = content->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        QCOMPARE(stack->currentWidget()->objectName(), page);
        QStringList shownTexts;
        for (QLabel* label : stack->currentWidget()->findChildren<QLabel*>())
            shownTexts << label->text();
        QCOMPARE(shownTexts, texts);

        hover(source, QEvent::Leave);
        QVERIFY(bubbles().isEmpty());
    }

    // Moving straight from one button to another: the first bubble goes on
    // Leave, one new bubble comes on Enter; a Leave without a bubble is harmless.
    void oneBubbleAtATime()
    {
        hover(button("toolButton_Explain"), QEvent::Enter);
        hover(button("toolButton_Explain_2"), QEvent::Enter);
        QCOMPARE(bubbles().size(), 1);
        QCOMPARE(bubbles().first()->size(), QSize(360, 173));
        hover(button("toolButton_Explain_2"), QEvent::Leave);
        hover(button("toolButton_Explain"), QEvent::Leave);
        QVERIFY(bubbles().isEmpty());
    }

    void hoveringLeavesNothingBehind()
    {
        const int before = QApplication::allWidgets().size();
        for (int i = 0; i < 1000; ++i) {
            QToolButton* source = button(i % 2 ? "toolButton_Explain" : "toolButton_MagneticKeyExplain");
            hover(source, QEvent::Enter);
            hover(source, QEvent::Leave);
        }
        QCOMPARE(QApplication::allWidgets().size(), before);
    }

    void triggerTravelIsADistance_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English") << "English"
                                 << "Set how far a key must be pressed before it triggers.";
        QTest::newRow("German") << "German"
                                << "Legen Sie den Auslösepunkt fest: wie weit eine Taste zum Auslösen gedrückt "
                                   "werden muss.";
        QTest::newRow("Russian") << "Russian"
                                 << "Задайте точку срабатывания: насколько глубоко нужно нажать клавишу для "
                                    "срабатывания.";
    }

    // The trigger travel is how far a key goes down, not how long it is held.
    void triggerTravelIsADistance()
    {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DKeyCalibrationExplainDia content(DKeyCalibrationExplainDia::PressDuration);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(content.findChild<QLabel*>(QStringLiteral("label_7"))->text(), shown);
    }

    void unknownTypeShowsThePlaceholders()
    {
        DKeyCalibrationExplainDia content(7);
        auto* stack = content.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_1"));
        QCOMPARE(content.findChild<QLabel*>(QStringLiteral("label_1"))->text(), QStringLiteral("1.Explain"));
        QCOMPARE(content.findChild<QLabel*>(QStringLiteral("label_5"))->text(), QStringLiteral("5.Explain"));
    }
};

ORVANE_TEST_MAIN(tst_triggerExplainBubbles)
#include "tst_triggerExplainBubbles.moc"
