#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// The advanced keys of the advanced-key file and the rules every record
// follows: how a new one is numbered, named and filled, how many the file
// may hold, what a key slot may contain and how it reads on screen.
//
// records() mirrors the file as last read or changed through this object: a
// change the store refuses leaves it as it was, so what it shows is what the
// keyboard will get at the next download. A record that breaks the rules is
// never written, and one read from the file is kept exactly as it is, with
// its faults listed, so that nothing the file holds is lost by looking at it.
// GUI thread only, like the store it calls.
class DSeniorKeyRecords
{
public:
    enum Type { kDks = 1, kMt = 2, kTgl = 3 };

    enum class Result {
        Done,
        LimitReached, // the file already holds kMaxRecords records
        Malformed, // the record breaks a rule; see lastError()
        StoreFailed // the store refused or could not write the file
    };

    static constexpr int kMaxRecords = 40;
    static constexpr int kKeySlots = 4;
    static constexpr int kPhases = 4;
    static constexpr int kMinPoint = 1; // 0.1 mm
    static constexpr int kMaxPoint = 36;
    static constexpr int kDefaultPoints[kPhases] = {15, 36, 36, 15};
    static constexpr int kMinHoldDuration = 10; // ms, in steps of 10
    static constexpr int kMaxHoldDuration = 1000;

    explicit DSeniorKeyRecords(const QByteArray& filePath);

    // Reads every record of the file. False, with records() unchanged, when
    // the file cannot be read. Records that break a rule are kept as read;
    // loadProblems() names them.
    bool load();
    const QMap<int, seniorKeyInfoStu>& records() const { return m_records; }
    QStringList loadProblems() const { return m_loadProblems; }

    // The index the next record gets: one above the highest, never a gap
    // filled, so a binding to a deleted record cannot point at a new one.
    int nextIndex() const;

    // Adds a record of the kind with the defaults; *created gets it.
    Result create(int type, seniorKeyInfoStu* created = nullptr);
    // Replaces the stored record with the same index.
    Result modify(const seniorKeyInfoStu& record);
    Result remove(int type, int index);
    // Why the last call did not give Done, in words for the debug output.
    QString lastError() const { return m_lastError; }

    static QByteArray nameFor(int type, int index);
    static seniorKeyInfoStu newRecord(int type, int index);

    // Every rule the record breaks, one line each; empty for a sound record.
    static QStringList problems(const seniorKeyInfoStu& record);

    // The text of key slot `slot` (0 to 3); empty for a slot out of range.
    static QByteArray keyText(const seniorKeyInfoStu& record, int slot);
    // Empty, a usage ("4"), or a combination "mask,usage" with a mask of 1
    // to 255 and a usage that is not itself a modifier.
    static bool isValidKeyText(const QByteArray& text);
    // How a key slot's text reads: modifier names and caption for a
    // combination, the caption for a usage, empty when `captions` lacks it.
    static QString displayText(const QByteArray& keyText, const QMap<int, QString>& captions);

    // A trigger point in tenths of a millimetre as shown, "1.5mm".
    static QString pointText(int point);

private:
    Result fail(Result result, const QString& error);

    QByteArray m_filePath;
    QMap<int, seniorKeyInfoStu> m_records;
    QStringList m_loadProblems;
    QString m_lastError;
};
