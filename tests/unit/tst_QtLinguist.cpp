#include "app/QtLinguist.h"
#include "support/TestMain.h"
#include "support/TranslationFile.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// Language table, locale mapping and loading of the compiled translations.
class tst_QtLinguist : public QObject
{
    Q_OBJECT

private:
    static QString builtTranslations() { return QStringLiteral(ORVANE_TEST_BIN_DIR "/translation"); }

    static QString softwareExit() { return QObject::tr("Software exit"); }

    static QString sourceTranslations() { return QStringLiteral(ORVANE_SOURCE_DIR "/translations"); }

    // What a translation must keep of the English text: its placeholders,
    // its accelerator letter and its file filter, each as a sorted list.
    static QString markers(const QString& text)
    {
        static const QRegularExpression placeholder(QStringLiteral("%(L?\\d+|n)"));
        static const QRegularExpression accelerator(QStringLiteral("&([^&\\s])"));
        static const QRegularExpression filter(QStringLiteral("\\(\\*\\.[a-z]+\\)"));
        QStringList found;
        for (const QRegularExpression* rule : {&placeholder, &filter}) {
            for (auto it = rule->globalMatch(text); it.hasNext();)
                found << it.next().captured(0);
        }
        // "&&" is a literal ampersand, not an accelerator.
        const QString withoutLiterals = QString(text).remove(QStringLiteral("&&"));
        for (auto it = accelerator.globalMatch(withoutLiterals); it.hasNext();)
            found << QLatin1Char('&') + it.next().captured(1).toLower();
        found.sort();
        return found.join(QLatin1Char(' '));
    }

private slots:
    void languageFiles()
    {
        QtLinguist linguist;
        const QStringList keys
            = {"Zh_SM",    "Zh_TR",  "English", "Japanese", "Korean", "Russian",   "Arabic", "Spanish",
               "Portugal", "German", "Italian", "Polish",   "French", "Ukrainian", "Czech"};
        QCOMPARE(linguist.languageFile(0), QString());
        QCOMPARE(linguist.languageFile(16), QString());
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(linguist.languageFile(i + 1), keys.at(i) + QStringLiteral(".qm"));
            QVERIFY2(QFile::exists(builtTranslations() + QLatin1Char('/') + keys.at(i) + QStringLiteral(".qm")),
                     qPrintable(keys.at(i)));
        }
        QCOMPARE(linguist.currentLanguage(), QtLinguist::systemLanguage());
        QCOMPARE(linguist.translationDir(), QCoreApplication::applicationDirPath() + QStringLiteral("/translation/"));
    }

    void localeMapping_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language");

        QTest::newRow("mainland China") << "zh_CN" << 1;
        QTest::newRow("Taiwan") << "zh_TW" << 2;
        QTest::newRow("Hong Kong") << "zh_HK" << 2;
        QTest::newRow("Singapore") << "zh_SG" << 2;
        QTest::newRow("English") << "en_GB" << 3;
        QTest::newRow("Japanese") << "ja_JP" << 4;
        QTest::newRow("Korean") << "ko_KR" << 5;
        QTest::newRow("Russian") << "ru_RU" << 6;
        QTest::newRow("Arabic") << "ar_EG" << 7;
        QTest::newRow("Spanish") << "es_MX" << 8;
        QTest::newRow("Portuguese") << "pt_BR" << 9;
        QTest::newRow("German") << "de_AT" << 10;
        QTest::newRow("Italian") << "it_IT" << 11;
        QTest::newRow("Polish") << "pl_PL" << 12;
        QTest::newRow("French") << "fr_CA" << 13;
        QTest::newRow("Ukrainian") << "uk_UA" << 14;
        QTest::newRow("Czech") << "cs_CZ" << 15;
        QTest::newRow("Dutch falls back to English") << "nl_NL" << 3;
        QTest::newRow("C locale") << "C" << 3;
    }

    void localeMapping()
    {
        QFETCH(QString, locale);
        QFETCH(int, language);
        QCOMPARE(QtLinguist::languageForLocale(QLocale(locale)), language);
    }

    void loadingInstallsTheTranslation_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << int(QtLinguist::German) << "Programm beendet";
        QTest::newRow("Simplified Chinese") << int(QtLinguist::Zh_SM) << QString::fromUtf8("软件退出");
        QTest::newRow("Traditional Chinese") << int(QtLinguist::Zh_TR) << QString::fromUtf8("軟體退出");
        QTest::newRow("Czech") << int(QtLinguist::Czech) << QString::fromUtf8("Ukončení programu");
    }

    void loadingInstallsTheTranslation()
    {
        QFETCH(int, language);
        QFETCH(QString, expected);
        QtLinguist linguist(builtTranslations());
        QVERIFY(linguist.loadLanguage(language));
        QCOMPARE(softwareExit(), expected);
        QVERIFY(linguist.loadLanguage(language));
        QCOMPARE(softwareExit(), expected);
    }

    void everyLanguageTranslatesTheCoreTexts()
    {
        QtLinguist linguist(builtTranslations());
        QSet<QString> seen;
        for (int language = 1; language <= 15; ++language) {
            QVERIFY(linguist.loadLanguage(language));
            const QString text = softwareExit();
            QVERIFY2(!text.isEmpty(), qPrintable(linguist.languageFile(language)));
            QVERIFY2(language == QtLinguist::English || text != QLatin1String("Software exit"),
                     qPrintable(linguist.languageFile(language)));
            seen.insert(QObject::tr("Conflict, software out of operation!"));
        }
        // Traditional and simplified Chinese share nothing here, so 15 texts.
        QCOMPARE(seen.size(), 15);
    }

    // The translation sources: well-formed, each text once per context, and
    // every language translating the same texts as English, none left empty.
    void sourceFilesHoldEachTextOnce_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(sourceTranslations()).entryList({QStringLiteral("*.ts")}, QDir::Files);
        QCOMPARE(files.size(), 15);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }
    void sourceFilesHoldEachTextOnce()
    {
        QFETCH(QString, file);
        QStringList duplicates;
        QString error;
        const QHash<QString, QStringList> messages
            = readTranslationMessages(sourceTranslations() + QLatin1Char('/') + file, &duplicates, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join(QLatin1Char('\n'))));

        QStringList englishDuplicates;
        const QHash<QString, QStringList> english
            = readTranslationMessages(sourceTranslations() + QStringLiteral("/English.ts"), &englishDuplicates, &error);
        QStringList missing;
        QStringList altered;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QStringList forms = messages.value(it.key());
            if (forms.isEmpty())
                missing << it.key();
            const QString expected = markers(it.value().value(0));
            for (const QString& form : forms) {
                if (markers(form) != expected)
                    altered << QStringLiteral("%1: \"%2\" keeps [%3], English [%4]")
                                   .arg(it.key(), form, markers(form), expected);
            }
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
        altered.sort();
        QVERIFY2(altered.isEmpty(), qPrintable(altered.join(QLatin1Char('\n'))));
        QCOMPARE(messages.size(), english.size());
    }

    // English.ts holds exactly the texts the code translates: lupdate reads
    // the sources into a scratch file, and its keys must be English.ts's.
    void englishMatchesTheCode()
    {
        const QString lupdate = qEnvironmentVariable("ORVANE_LUPDATE");
        QVERIFY2(QFileInfo(lupdate).isExecutable(), qPrintable(lupdate));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString scanned = dir.filePath(QStringLiteral("scan.ts"));
        QProcess process;
        process.setWorkingDirectory(QStringLiteral(ORVANE_SOURCE_DIR));
        process.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("src"), QStringLiteral("sdk"),
                                QStringLiteral("platform"), QStringLiteral("-ts"), scanned});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);

        QStringList duplicates;
        QString error;
        const QHash<QString, QStringList> code = readTranslationMessages(scanned, &duplicates, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QHash<QString, QStringList> english
            = readTranslationMessages(sourceTranslations() + QStringLiteral("/English.ts"), &duplicates, &error);
        QStringList untranslated;
        for (auto it = code.cbegin(); it != code.cend(); ++it) {
            if (!english.contains(it.key()))
                untranslated << it.key();
        }
        QStringList stale;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (!code.contains(it.key()))
                stale << it.key();
        }
        untranslated.sort();
        stale.sort();
        QVERIFY2(untranslated.isEmpty(), qPrintable(QStringLiteral("not in English.ts:\n") + untranslated.join('\n')));
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("no longer in the code:\n") + stale.join('\n')));
    }

    // Qt's own texts (file dialogs, buttons, line-edit menus) follow the
    // language and replace the previous one's; a language whose file is
    // missing leaves them in English like ours.
    void qtTextsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("open");
        QTest::newRow("English") << int(QtLinguist::English) << "Open";
        QTest::newRow("Russian") << int(QtLinguist::Russian) << QString::fromUtf8("Открыть");
        QTest::newRow("European Portuguese") << int(QtLinguist::Portugal) << "Abrir";
        QTest::newRow("Traditional Chinese") << int(QtLinguist::Zh_TR) << QString::fromUtf8("開啟");
        QTest::newRow("Japanese") << int(QtLinguist::Japanese) << QString::fromUtf8("開く");
        // Qt's Arabic catalogue asks for right-to-left; the window stays left-to-right.
        QTest::newRow("Arabic") << int(QtLinguist::Arabic) << QString::fromUtf8("افتح");
        QTest::newRow("file missing") << int(QtLinguist::Polish) << "Open";
    }
    void qtTextsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, open);
        QTemporaryDir dir;
        for (const char* file :
             {"German.qm", "English.qm", "Russian.qm", "Portugal.qm", "Zh_TR.qm", "Japanese.qm", "Arabic.qm"})
            QVERIFY(QFile::copy(builtTranslations() + QLatin1Char('/') + file, dir.filePath(file)));
        QtLinguist linguist(dir.path());
        QVERIFY(linguist.loadLanguage(QtLinguist::German));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QString::fromUtf8("Öffnen"));
        QCOMPARE(linguist.loadLanguage(language), language != QtLinguist::Polish);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), open);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    // Message-box buttons come from Qt's platform-theme texts, which Qt's
    // European Portuguese catalogue lacks; they come from the Brazilian one,
    // while the European wording of the texts it has stays first. Another
    // language afterwards takes none of the Portuguese texts along.
    void portugueseHasQtButtonTexts()
    {
        QtLinguist linguist(builtTranslations());
        QVERIFY(linguist.loadLanguage(QtLinguist::Portugal));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sim"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QString::fromUtf8("&Não"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Abrir"));
        QVERIFY(linguist.loadLanguage(QtLinguist::English));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        QVERIFY(linguist.loadLanguage(QtLinguist::German));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    }

    void outOfRangeLeavesTranslatorUntouched()
    {
        QtLinguist linguist(builtTranslations());
        QVERIFY(linguist.loadLanguage(QtLinguist::French));
        QVERIFY(!linguist.loadLanguage(0));
        QVERIFY(!linguist.loadLanguage(16));
        QCOMPARE(softwareExit(), QStringLiteral("Fermeture du logiciel"));
    }

    void missingFileFallsBackToSource()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(builtTranslations() + QStringLiteral("/Italian.qm"), dir.filePath("Italian.qm")));
        QtLinguist linguist(dir.path());
        QVERIFY(linguist.loadLanguage(QtLinguist::Italian));
        QCOMPARE(softwareExit(), QStringLiteral("Uscita dal software"));
        QVERIFY(!linguist.loadLanguage(QtLinguist::Polish));
        QCOMPARE(softwareExit(), QStringLiteral("Software exit"));
    }
};

ORVANE_TEST_MAIN(tst_QtLinguist)
#include "tst_QtLinguist.moc"
