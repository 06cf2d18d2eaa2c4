// What the profile store keeps within reach: it never writes a file larger
// than it reads back, and it clears away the temporary files a killed write
// left beside its own files.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "sdk/include/StoreFileChecks.h"
#include "sdk/include/StoreWriteBatch.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

using namespace StoreTestSupport;

namespace {

constexpr qint64 kLimit = qint64(kStoreMaxFileMegabytes) * 1024 * 1024;

// Adds `count` more entries of one kind to the file at path, numbered from
// `first`, as one write; true when the store took them. Numbers are written
// with six digits, so every entry adds the same number of bytes.
using Grow = std::function<bool(const QByteArray& path, int first, int count)>;

bool addTextKeys(const QByteArray& path, int first, int count, const QByteArray& text)
{
    StoreWriteBatch batch;
    for (int code = first; code < first + count; ++code) {
        if (!COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", QByteArray::number(100000 + code), "K", "6", "1", "1",
                                                       text))
            return false;
    }
    return batch.commit();
}

bool addMacroEvents(const QByteArray& path, int first, int count)
{
    std::list<macroEventItem> events;
    for (int mark = first; mark < first + count; ++mark)
        events.splice(events.end(), keyPress(QByteArray::number(100000 + mark), "4", "A"));
    return COrvaneXML_AddKeyOrMouseEventItem(path, events, "1");
}

// What the store reads of the file: its profiles or macros, whichever it is.
bool readable(const QByteArray& path)
{
    std::vector<profileNodeInfo> profiles;
    std::list<macroNodeInfo> macros;
    return path.endsWith("appMacro.xml") ? COrvaneXML_SelectMacroAllNodes(path, &macros) && !macros.empty()
                                         : COrvaneXML_SelectProFileAllNodes(path, &profiles) && !profiles.empty();
}

} // namespace

Q_DECLARE_METATYPE(Grow)

class tst_storeFileLimits : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        COrvaneXML_SetOwnFolder(QFile::encodeName(m_dir->path()));
    }

    void cleanup() { COrvaneXML_SetOwnFolder(nullptr); }

    void writesStayWithinWhatIsRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Grow>("grow");

        const QByteArray plain(4000, 'x');
        // Escaped on the way out, so the file grows five times as fast as
        // the texts the user typed.
        const QByteArray marked = QByteArray(2000, '<') + QByteArray(2000, '&');
        QTest::newRow("key texts") << "appProfile_Default.xml"
                                   << Grow([plain](const QByteArray& path, int first, int count) {
                                          return addTextKeys(path, first, count, plain);
                                      });
        QTest::newRow("key texts with < and &")
            << "appProfile_FN.xml" << Grow([marked](const QByteArray& path, int first, int count) {
                   return addTextKeys(path, first, count, marked);
               });
        QTest::newRow("macro events") << "appMacro.xml" << Grow(addMacroEvents);
    }

    // A change that would carry a file past the size the store reads is
    // refused with that reason, and the file stays as it was and readable;
    // up to the limit everything is written and read back.
    void writesStayWithinWhatIsRead()
    {
        QFETCH(QString, file);
        QFETCH(Grow, grow);
        const QByteArray path = pathIn(*m_dir, file);
        if (file == QLatin1String("appMacro.xml")) {
            QVERIFY(COrvaneXML_CreateXMLFile(path));
            QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
        } else {
            QVERIFY(createLayerFile(path, 1, 1));
        }

        // How much one entry adds, to come close to the limit in one write.
        QVERIFY(grow(path, 1, 1));
        const qint64 one = QFileInfo(QFile::decodeName(path)).size();
        QVERIFY(grow(path, 2, 1));
        const qint64 step = QFileInfo(QFile::decodeName(path)).size() - one;
        QVERIFY(step > 0);
        const int fits = int((kLimit - one - step) / step) - 1;
        QVERIFY(grow(path, 3, fits));
        QVERIFY(!COrvaneXML_LastWriteTooLarge());
        const QByteArray full = readFileBytes(path);
        QVERIFY2(full.size() > kLimit - 3 * step && full.size() <= kLimit, QByteArray::number(full.size()));
        QVERIFY(readable(path));

        // One write that would cross it, then several that cross it together.
        QVERIFY(!grow(path, 3 + fits, 3));
        QVERIFY(COrvaneXML_LastWriteTooLarge());
        QCOMPARE(readFileBytes(path), full);
        QVERIFY(readable(path));
        QCOMPARE(COrvaneXML_FileState(path), int(StoreFileReadable));
        QVERIFY(!grow(path, 3 + fits, 200));
        QVERIFY(COrvaneXML_LastWriteTooLarge());
        QCOMPARE(readFileBytes(path), full);
        QVERIFY(readable(path));

        // A later write that fits is written, and says nothing of size.
        if (file == QLatin1String("appMacro.xml")) {
            QVERIFY(COrvaneXML_ModifyMacroNodeName(path, "1", "M"));
        } else {
            QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "1", "P"));
        }
        QVERIFY(readFileBytes(path) != full);
        QVERIFY(!COrvaneXML_LastWriteTooLarge());
        QVERIFY(readable(path));
    }

    // A write cut short by a kill leaves its temporary file; the next run's
    // first use of the folder removes those of the store's own names, and
    // nothing else.
    void strayTemporariesAreRemovedAtTheNextStart()
    {
        const QString folder = m_dir->path() + QStringLiteral("/OV68M/serial");
        QVERIFY(QDir().mkpath(folder));
        const QStringList strays{
            QStringLiteral("appProfile_Default.xml.AbCdEf"), QStringLiteral("appProfile_Default.xml.bak.new"),
            QStringLiteral("appMacro.xml.bak.QwErTy"), QStringLiteral("SeniorKeyConfig.xml.zzzzzz")};
        const QStringList kept{QStringLiteral("appProfile_Default.xml.corrupt-20260101-101010"),
                               QStringLiteral("appProfile_FN.xml.Ab1dEf"), QStringLiteral("appProfile_FN.xml.AbCdEfG"),
                               QStringLiteral("notes.txt.AbCdEf"), QStringLiteral("appProfile_Default.xml.bak")};
        for (const QString& name : strays + kept) {
            QFile file(folder + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<?xml version=\"1.0\"?>\n<orvaneSto");
        }
        // The same names outside the program's folder are not the store's.
        QTemporaryDir outside;
        QFile foreign(outside.path() + QStringLiteral("/appProfile_Default.xml.AbCdEf"));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.close();
        QVERIFY(createLayerFile(pathIn(outside, QStringLiteral("appProfile_Default.xml")), 1, 1));
        QVERIFY(foreign.exists());

        QVERIFY(createLayerFile(QFile::encodeName(folder + QStringLiteral("/appProfile_Default.xml")), 2, 1));
        for (const QString& name : strays)
            QVERIFY2(!QFile::exists(folder + QLatin1Char('/') + name), qPrintable(name));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(folder + QLatin1Char('/') + name), qPrintable(name));
        QCOMPARE(profileNames(QFile::encodeName(folder + QStringLiteral("/appProfile_Default.xml"))).size(), 2);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

ORVANE_TEST_MAIN(tst_storeFileLimits)
#include "tst_storeFileLimits.moc"
