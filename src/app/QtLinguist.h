#pragma once

#include <QMap>
#include <QObject>
#include <QTranslator>

// Owns the application's translators: ours, and Qt's own for its dialogs,
// buttons and menus, swapped together. The languages' values are what the
// settings file stores as "Language/selectLanguageIndex"; each key names its
// file "translation/<Key>.qm" beside the program.
class QtLinguist : public QObject
{
    Q_OBJECT

public:
    enum Language {
        Zh_SM = 1,
        Zh_TR,
        English,
        Japanese,
        Korean,
        Russian,
        Arabic,
        Spanish,
        Portugal,
        German,
        Italian,
        Polish,
        French,
        Ukrainian,
        Czech,
    };
    Q_ENUM(Language)

    // Reads the files from "translation/" beside the program unless a folder
    // is given.
    explicit QtLinguist(const QString& translationDir = QString());
    ~QtLinguist() override;

    static int systemLanguage();
    // The same mapping for a locale of the caller's choosing.
    static int languageForLocale(const QLocale& locale);
    int systemLanguageIndex() const;
    int currentLanguage() const { return m_currentLanguage; }

    QString translationDir() const { return m_translationDir; }
    QString languageFile(int language) const { return m_languageFiles.value(language); }
    bool loadLanguage(int language);

private:
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    // Asked after m_qtTranslator, for the texts its catalogue lacks.
    QTranslator m_qtFallbackTranslator;
    int m_currentLanguage = English;
    QMap<int, QString> m_languageFiles;
    QString m_translationDir;
};
