// Every test fails on a Qt style-sheet warning: a test program whose
// function sets a sheet Qt cannot read ends with that function failed and
// the others passed, and a warning no function can be failed for (printed
// by another thread) fails the run at exit.
#include "support/StyleSheetWarnings.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QProcess>

#include <thread>

namespace {

const char* const kChildOption = "--style-sheet-warning-child";
const char* const kThreadOption = "--style-sheet-warning-thread";

QByteArray runChild(const char* option, int* exitCode)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(option)});
    if (!child.waitForFinished(120000))
        return QByteArray();
    *exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return child.readAll();
}

} // namespace

// What the child process runs: one function with a broken sheet, one clean.
class ChildTests : public QObject
{
    Q_OBJECT

public:
    bool fromThread = false;

private slots:
    void brokenSheet()
    {
        QLabel label(QStringLiteral("text"));
        label.setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 0, 1); }"));
        label.grab();
        // A warning printed on another thread reaches no test function.
        if (fromThread)
            std::thread([] { qWarning("QCssParser::parseColorValue: from a thread"); }).join();
    }
    void cleanSheet()
    {
        QLabel label(QStringLiteral("text"));
        label.setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 0); }"));
        QVERIFY(!label.grab().isNull());
    }
};

class tst_styleSheetWarningGuard : public QObject
{
    Q_OBJECT

private slots:
    void recognisesQtsWarnings_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("styleSheet");
        QTest::newRow("colour") << "QCssParser::parseColorValue: Specified color without alpha value but alpha "
                                   "given: 'rgb 0, 0, 0, 1'"
                                << true;
        QTest::newRow("colour name") << "QCssParser::parseHexColor: Unknown color name 'rgbb'" << true;
        QTest::newRow("widget sheet") << "Could not parse stylesheet of object QLabel(0x5555)" << true;
        QTest::newRow("application sheet") << "Could not parse application stylesheet" << true;
        QTest::newRow("property") << "Unknown property colr" << true;
        QTest::newRow("qproperty") << "QLabel(0x1) does not have a property named \"ident\"" << true;
        QTest::newRow("other warning") << "QWidget::setMinimumSize: (/QLabel) Negative sizes" << false;
        QTest::newRow("program line") << "orvane.ui: stylesheet applied" << false;
    }
    void recognisesQtsWarnings()
    {
        QFETCH(QString, message);
        QFETCH(bool, styleSheet);
        QCOMPARE(StyleSheetWarnings::isStyleSheetWarning(message), styleSheet);
    }

    void warningFailsItsFunction()
    {
        int exitCode = -2;
        const QByteArray output = runChild(kChildOption, &exitCode);
        QVERIFY2(output.contains("FAIL!  : ChildTests::brokenSheet() Qt style-sheet warning: QCssParser::"),
                 output.constData());
        QVERIFY2(output.contains("PASS   : ChildTests::cleanSheet()"), output.constData());
        // Each warning counts as a failure.
        QVERIFY(exitCode >= 1);
    }

    void warningOfAnotherThreadFailsTheRun()
    {
        int exitCode = -2;
        const QByteArray output = runChild(kThreadOption, &exitCode);
        QVERIFY2(output.contains("Qt style-sheet warning outside a test function: QCssParser::parseColorValue: "
                                 "from a thread"),
                 output.constData());
        QVERIFY(exitCode >= 1);
    }
};

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const bool thread = qstrcmp(argv[i], kThreadOption) == 0;
        if (thread || qstrcmp(argv[i], kChildOption) == 0) {
            TestEnvironment environment;
            QApplication app(argc, argv);
            ChildTests child;
            child.fromThread = thread;
            char* childArgv[] = {argv[0], nullptr};
            return StyleSheetWarnings::exec(&child, 1, childArgv);
        }
    }
    TestEnvironment environment;
    QApplication app(argc, argv);
    tst_styleSheetWarningGuard test;
    QTEST_SET_MAIN_SOURCE_PATH
    return StyleSheetWarnings::exec(&test, argc, argv);
}

#include "tst_styleSheetWarningGuard.moc"
