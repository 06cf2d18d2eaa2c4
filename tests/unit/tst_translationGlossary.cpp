// One word for one thing: every message whose English wording (English.ts)
// names a term of translations/GLOSSARY.md carries, in each language, the
// word the glossary gives for that term.
#include "support/TestMain.h"
#include "support/TranslationFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

QString sourceTranslations()
{
    return QStringLiteral(ORVANE_SOURCE_DIR "/translations");
}

// The glossary's column headings and the files they stand for.
const char* const kLanguageColumns[][2] = {
    {"Deutsch", "German"},     {"Français", "French"}, {"Español", "Spanish"},     {"Italiano", "Italian"},
    {"Português (PT)", "Portugal"}, {"Polski", "Polish"}, {"Čeština", "Czech"},   {"Русский", "Russian"},
    {"Українська", "Ukrainian"}, {"日本語", "Japanese"}, {"한국어", "Korean"},     {"简体中文", "Zh_SM"},
    {"繁體中文", "Zh_TR"},       {"العربية", "Arabic"},
};

// How the English wording names each term (case-insensitive). The upgrade
// is the firmware's; "actuation" alone is the verb, not the point.
const char* const kEnglishTerms[][2] = {
    {"profile", "\\bprofiles?\\b"},
    {"layer", "\\blayers?\\b"},
    {"macro", "\\bmacros?\\b"},
    {"advanced key", "\\badvanced[ -]keys?\\b"},
    {"DKS", "\\bDKS\\b"},
    {"mod-tap", "\\bmod-tap\\b"},
    {"toggle", "\\btoggl"},
    {"remap", "\\bremap"},
    {"write to keyboard", "\\bwrit(e|ten|ing)\\b.*\\bkeyboard\\b"},
    {"lighting", "\\blighting\\b"},
    {"effect", "\\beffects?\\b"},
    {"brightness", "\\bbrightness\\b"},
    {"speed", "\\bspeed\\b"},
    {"side light", "\\bside light"},
    {"custom scheme", "\\bcustom schemes?\\b"},
    {"trigger travel", "\\bactuation points?\\b"},
    {"quick trigger", "\\brapid trigger\\b"},
    {"calibration", "\\bcalibrat"},
    {"firmware", "\\bfirmware\\b"},
    {"upgrade", "\\bupdat"},
    {"receiver", "\\breceivers?\\b"},
    {"battery", "\\bbatter(y|ies)\\b"},
    {"sleep", "\\bsleep"},
};

// Inflected forms the stem rule below does not reach: the glossary word
// as a verb, participle or plural. Each is accepted beside the word.
const char* const kOtherForms[][3] = {
    {"German", "write to keyboard", "tastatur.*geschrieben"},
    {"German", "upgrade", "aktualisier"},
    {"French", "write to keyboard", "écri\\w*.*clavier"},
    {"French", "upgrade", "m(ettre|is) à jour"},
    {"Spanish", "write to keyboard", "escrit\\w*.*teclado"},
    {"Spanish", "upgrade", "actualiz"},
    {"Spanish", "calibration", "calibra"},
    {"Italian", "write to keyboard", "scri\\w*.*tastiera"},
    {"Italian", "upgrade", "aggiorn"},
    {"Portugal", "upgrade", "atualiz"},
    {"Polish", "remap", "zmian\\w* przypisania|zmień przypisanie"},
    {"Polish", "upgrade", "aktualiz"},
    {"Czech", "macro", "maker"},
    {"Czech", "write to keyboard", "z[aá]p\\w*.*klávesnic"},
    {"Czech", "upgrade", "aktualiz"},
    {"Czech", "sleep", "uspání|spánk"},
    {"Russian", "remap", "переназнач"},
    {"Russian", "upgrade", "обнов"},
    {"Ukrainian", "remap", "перепризнач"},
    {"Ukrainian", "upgrade", "онов"},
    {"Japanese", "write to keyboard", "キーボードへの書き込み"},
    {"Zh_SM", "remap", "重新映射"},
    {"Arabic", "advanced key", "مفاتيح\\s+\\S*متقدم"},
    {"Arabic", "custom scheme", "الأنماط المخصصة"},
};

// Messages that name a term in English but rightly not in the language
// ("*": every language). Each one says why.
const char* const kExceptions[][3] = {
    // An effect's name: it reacts to typing speed, not to the effect speed.
    {"*", "speed", "QObject|Speed Respond|"},
    // The program's own update, not the firmware's.
    {"*", "upgrade", "DSettingsDia|Check Update|"},
    // The write button takes the verb alone to fit.
    {"Russian", "write to keyboard", "QObject|Download|"},
    {"Russian", "write to keyboard", "DCustomKeysPage|Download|"},
    {"Ukrainian", "write to keyboard", "QObject|Download|"},
    {"Ukrainian", "write to keyboard", "DCustomKeysPage|Download|"},
    // The battery named by its charge ("charge level"), the usual wording.
    {"Russian", "battery", "QObject|Power query|"},
    {"Ukrainian", "battery", "QObject|Power query|"},
    {"Zh_SM", "battery", "QObject|Power query|"},
    {"Zh_TR", "battery", "QObject|Power query|"},
    // The heading over the custom schemes has a fixed 170-px room, which
    // «Пользовательские схемы» overruns even at the smallest font size.
    {"Russian", "custom scheme", "QObject|Custom light|"},
    {"Russian", "custom scheme", "DLightsConfigPage|Custom light|"},
    // These functions step through lists of effects; Chinese names them
    // with the glossary's effect word (灯效/燈效), which holds the light.
    {"Zh_SM", "lighting", "QObject|Overall light|"},
    {"Zh_SM", "lighting", "QObject|Interaction light|"},
    {"Zh_SM", "lighting", "QObject|All light|"},
    {"Zh_TR", "lighting", "QObject|Overall light|"},
    {"Zh_TR", "lighting", "QObject|Interaction light|"},
    {"Zh_TR", "lighting", "QObject|All light|"},
};

bool isExempt(const QString& file, const QString& term, const QString& key)
{
    for (const auto& exception : kExceptions) {
        if ((QLatin1String(exception[0]) == QLatin1String("*") || file == QLatin1String(exception[0]))
            && term == QLatin1String(exception[1]) && key == QString::fromUtf8(exception[2]))
            return true;
    }
    return false;
}

// The parts of a glossary word a translation must contain: each longer
// word with its ending cut (so inflections match), or the whole word in
// the languages that do not inflect by endings.
QStringList stemsOf(const QString& file, const QString& word)
{
    static const QStringList wholeWords = {"Japanese", "Korean", "Zh_SM", "Zh_TR"};
    if (wholeWords.contains(file))
        return {word};
    QStringList stems;
    for (QString part : word.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (file == QLatin1String("Arabic")) {
            // The article comes and goes with the construction.
            if (part.startsWith(QString::fromUtf8("ال")))
                part.remove(0, 2);
            if (part.size() >= 3)
                stems << part.left(qMax(3, part.size() - 1));
            continue;
        }
        if (part.size() <= 3 && part != QLatin1String("DKS"))
            continue; // articles and prepositions
        part = part.toLower();
        stems << (part.size() <= 4 ? part : part.left(part.size() - (part.size() <= 6 ? 1 : 2)));
    }
    return stems;
}

struct Glossary
{
    QStringList terms;
    QHash<QString, QHash<QString, QString>> words; // file -> term -> word
};

// The glossary's term tables: a heading row "| Term | ...", a rule, and
// one row per term.
Glossary readGlossary(QString* error)
{
    Glossary glossary;
    QFile file(sourceTranslations() + QStringLiteral("/GLOSSARY.md"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = file.errorString();
        return glossary;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QStringList columns;
    const auto cells = [](const QString& line) {
        QStringList parts = line.trimmed().split(QLatin1Char('|'));
        parts.removeFirst();
        parts.removeLast();
        for (QString& part : parts)
            part = part.trimmed();
        return parts;
    };
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.startsWith(QLatin1Char('|'))) {
            columns.clear();
            continue;
        }
        const QStringList row = cells(line);
        if (row.value(0) == QLatin1String("Term")) {
            columns = row;
            continue;
        }
        if (columns.isEmpty() || row.value(0).startsWith(QLatin1String("---")))
            continue;
        const QString term = row.value(0);
        if (!glossary.terms.contains(term))
            glossary.terms << term;
        for (int i = 1; i < columns.size(); ++i) {
            for (const auto& language : kLanguageColumns) {
                if (columns.at(i) == QString::fromUtf8(language[0]))
                    glossary.words[QLatin1String(language[1])].insert(term, row.value(i));
            }
        }
    }
    return glossary;
}

QHash<QString, QStringList> readFile(const QString& file, QString* error)
{
    QStringList duplicates;
    return readTranslationMessages(sourceTranslations() + QLatin1Char('/') + file + QStringLiteral(".ts"), &duplicates,
                                   error);
}

// "term: key: translation" for every message of the file that misses the
// glossary word of a term its English names.
QStringList misses(const Glossary& glossary, const QString& file, const QHash<QString, QStringList>& english,
                   const QHash<QString, QStringList>& translated, bool withExceptions)
{
    QStringList found;
    for (const auto& entry : kEnglishTerms) {
        const QString term = QLatin1String(entry[0]);
        const QRegularExpression names(QLatin1String(entry[1]), QRegularExpression::CaseInsensitiveOption);
        const QStringList stems = stemsOf(file, glossary.words.value(file).value(term));
        QList<QRegularExpression> otherForms;
        for (const auto& form : kOtherForms) {
            if (file == QLatin1String(form[0]) && term == QLatin1String(form[1]))
                otherForms << QRegularExpression(QString::fromUtf8(form[2]), QRegularExpression::CaseInsensitiveOption);
        }
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (!names.match(it.value().join(QLatin1Char(' '))).hasMatch())
                continue;
            const QString text = translated.value(it.key()).join(QLatin1Char(' '));
            bool carries = std::all_of(stems.cbegin(), stems.cend(), [&](const QString& stem) {
                return text.contains(stem, Qt::CaseInsensitive);
            });
            for (const QRegularExpression& form : otherForms)
                carries = carries || form.match(text).hasMatch();
            if (!carries && !(withExceptions && isExempt(file, term, it.key())))
                found << QStringLiteral("%1: %2: %3").arg(term, it.key(), text);
        }
    }
    found.sort();
    return found;
}

} // namespace

class tst_translationGlossary : public QObject
{
    Q_OBJECT

private slots:
    // Every term has its English pattern here and a word in every language.
    void glossaryIsComplete()
    {
        QString error;
        const Glossary glossary = readGlossary(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(glossary.terms.size(), int(std::size(kEnglishTerms)));
        for (const auto& entry : kEnglishTerms)
            QVERIFY2(glossary.terms.contains(QLatin1String(entry[0])), entry[0]);
        QCOMPARE(glossary.words.size(), int(std::size(kLanguageColumns)));
        for (auto it = glossary.words.cbegin(); it != glossary.words.cend(); ++it) {
            for (const QString& term : glossary.terms)
                QVERIFY2(!it.value().value(term).isEmpty(), qPrintable(it.key() + QStringLiteral(": ") + term));
        }
    }

    void messagesCarryTheGlossaryWord_data()
    {
        QTest::addColumn<QString>("file");
        for (const auto& language : kLanguageColumns)
            QTest::newRow(language[1]) << QString::fromLatin1(language[1]);
    }
    void messagesCarryTheGlossaryWord()
    {
        QFETCH(QString, file);
        QString error;
        const Glossary glossary = readGlossary(&error);
        const QHash<QString, QStringList> english = readFile(QStringLiteral("English"), &error);
        const QHash<QString, QStringList> translated = readFile(file, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // The glossary's own word passes its own check.
        for (const QString& term : glossary.terms) {
            const QString word = glossary.words.value(file).value(term);
            for (const QString& stem : stemsOf(file, word))
                QVERIFY2(word.contains(stem, Qt::CaseInsensitive), qPrintable(term + QStringLiteral(": ") + stem));
        }
        const QStringList found = misses(glossary, file, english, translated, true);
        for (const QString& line : found)
            qInfo().noquote() << line;
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 messages miss their glossary word").arg(found.size())));
    }

    // An exception that no longer excuses anything is taken out of the list.
    void everyExceptionIsNeeded()
    {
        QString error;
        const Glossary glossary = readGlossary(&error);
        const QHash<QString, QStringList> english = readFile(QStringLiteral("English"), &error);
        QStringList all;
        for (const auto& language : kLanguageColumns) {
            const QString file = QLatin1String(language[1]);
            for (const QString& miss : misses(glossary, file, english, readFile(file, &error), false))
                all << file + QStringLiteral(": ") + miss;
        }
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const auto& exception : kExceptions) {
            const QString needle = QStringLiteral("%1: %2: ").arg(QLatin1String(exception[1]), QString::fromUtf8(exception[2]));
            const bool used = std::any_of(all.cbegin(), all.cend(), [&](const QString& miss) {
                return miss.contains(needle)
                       && (QLatin1String(exception[0]) == QLatin1String("*")
                           || miss.startsWith(QLatin1String(exception[0]) + QStringLiteral(": ")));
            });
            QVERIFY2(used, qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(exception[0]), needle)));
        }
    }
};

ORVANE_TEST_MAIN(tst_translationGlossary)
#include "tst_translationGlossary.moc"
