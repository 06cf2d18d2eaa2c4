#pragma once

#include "hid/reports/DReportFrame.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QMap>
#include <QString>
#include <QVector>

// One attempt of the on-board download, worked out from the profile files
// before anything is sent: every report in the order the keyboard gets
// them (a macro or advanced key just before the key-map report of its key),
// the pauses, and the slot clearing. A configuration the keyboard cannot
// hold is refused here, so nothing of it reaches the keyboard.
class DOnboardDownloadPlan
{
public:
    struct Step
    {
        enum Kind {
            KeyMap, // 0x17, queued without waiting
            Macro, // 0x18, stop-and-wait
            SeniorKey, // 0x2A, queued without waiting
            Pause, // the keyboard stores what it got
        };
        Kind kind = KeyMap;
        DReportFrame report;
        int pauseMs = 0;
    };

    enum class Status {
        Ready,
        // A layer file could not be read (no current profile, path too
        // long): the attempt fails.
        Unreadable,
        // Nothing may be sent; refusal() says why.
        Refused,
    };

    struct Layer
    {
        const char* fileName;
        int layerCode;
    };
    static const Layer kLayers[2];
    static constexpr int kStorePause = 400;
    static constexpr int kMaxPathBytes = 255;

    // usages: the HID usage of every key cap in key-list order (0 for an
    // empty grid position, -10 for Fn). seniorKeys: the advanced-key
    // records by index, empty for a keyboard without magnetic switches.
    DOnboardDownloadPlan(const QString& profileFolder, const QVector<int>& usages, bool magnetic,
                         const QMap<int, seniorKeyInfoStu>& seniorKeys);

    Status status() const { return m_status; }
    QString refusal() const { return m_refusal; }
    const QVector<Step>& steps() const { return m_steps; }
    int macroKeys() const { return m_macroKeys; }
    int seniorKeys() const { return m_seniorKeyCount; }

private:
    void build(bool magnetic);
    bool planLayer(const Layer& layer);
    void addMacro(const QByteArray& path, const QByteArray& profileText, const keyOperateInfo& record, int slot);
    void addSeniorKey(const keyOperateInfo& record, int storeIndex);
    void refuseCombination(const keyOperateInfo& record, int usage);
    void add(Step::Kind kind, const DReportFrame& report);
    void addPause();

    const QString m_profileFolder;
    const QVector<int> m_usages;
    const QMap<int, seniorKeyInfoStu> m_seniorKeyRecords;
    Status m_status = Status::Ready;
    QString m_refusal;
    QVector<Step> m_steps;
    int m_macroKeys = 0;
    int m_seniorKeyCount = 0;
};
