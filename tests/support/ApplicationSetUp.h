#pragma once

// What the program's widgets and device page expect before the first of
// them is made: keyboard records travel in queued signals, and the data
// manager exists with the first theme loaded. (ORVANE_TEST_MAIN registers
// the resource bundle already.) Call it from initTestCase.
void prepareApplicationTest();

// The keyboard pictures live beside the program, and a test runs from its own
// folder, so it borrows the program's through a link. True when the
// pictures are there afterwards (tests running side by side share the link).
bool linkProgramPictures();

// Stores the program's version as the one the user last ran, so no firmware
// check starts by itself after a device list loads. Before the data manager
// is first used.
void rememberProgramVersion();

class QTranslator;
class QString;

// The rows of a screen test: the dark and the light theme (columns "theme"
// and "language"), each in English and in the two longest-worded languages.
void addThemeAndLanguageRows();
// A "language" column with a row for each of the fifteen translation files.
void addEveryLanguageRow();

// Loads the build's translation of language ("German", ...) and installs it;
// false when the translation is not there.
bool installTranslation(QTranslator& translator, const QString& language);

class QByteArray;

// An advanced-key file without records, "SeniorKeyConfig.xml" in the user
// configuration folder, as the program makes it at start, and the data
// manager's path set to it; its path, empty when it cannot be made.
QByteArray emptySeniorKeyFile();
