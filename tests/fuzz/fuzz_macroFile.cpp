// Arbitrary bytes as a macro file the user picked for import. The reader
// either refuses the file with a reason or hands back events the keyboard
// plays as the file says: at most 62, every value in range and fitting its
// record field, every press followed by its one release. What it accepts is
// written again and must read back the same; then the same bytes go through
// the import into a real macro file, which gains exactly one macro holding
// those events, or nothing at all.
#include "profiles/DMacroExportFile.h"
#include "profiles/DMacroFile.h"
#include "profiles/DMacroTransfer.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/store/XmlStore.h"
#include "support/FuzzFixture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdint>

namespace {

class MacroFileFixture : public FuzzFixture
{
public:
    QTemporaryDir dir;
    QString chosen = dir.filePath(QStringLiteral("Picked.xml"));
    QByteArray macros = QFile::encodeName(dir.filePath(QStringLiteral("appMacro.xml")));

    MacroFileFixture()
        : FuzzFixture("fuzz_macroFile", Application::Core)
    {
        qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
        if (!dir.isValid())
            fail("no temporary folder");
    }

    // A macro file with one macro of its own, so an import must add beside it.
    void reset(const QByteArray& bytes)
    {
        XmlStore::instance().cache.clear();
        QFile::remove(QFile::decodeName(macros));
        QFile::remove(QFile::decodeName(macros + ".bak"));
        if (!COrvaneXML_CreateXMLFile(macros) || !COrvaneXML_CreateMacroXmlParentNode(macros, "5", "Macro5"))
            fail("the macro file could not be made");
        QFile file(chosen);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            fail("the chosen file could not be written");
    }
};

void checkEvents(const QList<DMacroEvent>& events)
{
    if (events.isEmpty() || events.size() > DMacroExportFile::kMaxEvents)
        FuzzFixture::fail("fuzz_macroFile", "an accepted file holds no event or too many");
    QHash<QString, int> open;
    for (const DMacroEvent& event : events) {
        macroEventItem item;
        if (!event.toItem(&item))
            FuzzFixture::fail("fuzz_macroFile", "an accepted value does not fit its record");
        if (event.delay < 0 || event.delay > DMacroExportFile::kMaxDelay)
            FuzzFixture::fail("fuzz_macroFile", "an accepted delay is out of range");
        const bool key = event.type == QLatin1String("key");
        if (key && (event.keyCode < DMacroExportFile::kMinKeyCode || event.keyCode > DMacroExportFile::kMaxKeyCode))
            FuzzFixture::fail("fuzz_macroFile", "an accepted key code is out of range");
        if (!key && (event.type != QLatin1String("mouse") || event.keyCode < 0x201 || event.keyCode > 0x208))
            FuzzFixture::fail("fuzz_macroFile", "an accepted event is neither key nor mouse button");
        open[event.mark] += event.isDown() ? 1 : -1;
        if (open.value(event.mark) < 0 || open.value(event.mark) > 1)
            FuzzFixture::fail("fuzz_macroFile", "an accepted mark does not pair");
    }
    for (auto it = open.cbegin(); it != open.cend(); ++it) {
        if (it.value() != 0)
            FuzzFixture::fail("fuzz_macroFile", "an accepted press has no release");
    }
}

bool sameEvents(const QList<DMacroEvent>& a, const QList<DMacroEvent>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].mark != b[i].mark || a[i].delay != b[i].delay || a[i].type != b[i].type
            || a[i].keyCode != b[i].keyCode || a[i].codeName != b[i].codeName
            || a[i].operateExplain != b[i].operateExplain)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MacroFileFixture& fixture = FuzzFixture::instance<MacroFileFixture>();
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));

    QList<DMacroEvent> events;
    const DMacroExportFile::Check check = DMacroExportFile::read(bytes, &events);
    if (check.accepted()) {
        checkEvents(events);
        QList<DMacroEvent> again;
        if (!DMacroExportFile::read(DMacroExportFile::write(QStringLiteral("1"), QStringLiteral("x"), events), &again)
                 .accepted()
            || !sameEvents(events, again))
            FuzzFixture::fail("fuzz_macroFile", "an accepted file does not read back the same once written");
    } else if (check.reason().isEmpty()) {
        FuzzFixture::fail("fuzz_macroFile", "a refusal without a reason");
    }

    fixture.reset(bytes);
    DMacroFile macroFile(fixture.macros);
    DMacroTransfer transfer(&macroFile);
    const DMacroTransfer::Result result = transfer.importFrom(fixture.chosen);
    QList<DMacroFile::Macro> macros;
    if (!macroFile.macros(&macros))
        FuzzFixture::fail("fuzz_macroFile", "the macro file cannot be read after an import");
    if (result != (check.accepted() ? DMacroTransfer::Result::Imported : DMacroTransfer::Result::ImportRefused))
        FuzzFixture::fail("fuzz_macroFile", "the import does not follow the reader");
    if (macros.size() != (check.accepted() ? 2 : 1))
        FuzzFixture::fail("fuzz_macroFile", "a refused file stored something, or an accepted one nothing");
    if (check.accepted()) {
        QList<DMacroEvent> stored;
        if (macros.last().index != QLatin1String("6") || !macroFile.events(QStringLiteral("6"), &stored)
            || !sameEvents(stored, events))
            FuzzFixture::fail("fuzz_macroFile", "the imported macro does not hold the file's events");
    }
    return 0;
}
