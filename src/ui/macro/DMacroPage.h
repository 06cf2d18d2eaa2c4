#pragma once

#include "platform/include/lowLevelHookRecords.h"
#include "profiles/DMacroEventEditor.h"
#include "profiles/DMacroFile.h"
#include "profiles/DMacroRecorder.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QDialog>
#include <QFont>
#include <QMap>
#include <QString>

#include <list>

class CbNotice;
class DCatchKeyAndMouseItem;
class DMacroListItem;
class QLabel;
class QVBoxLayout;

namespace Ui {
class DMacroPage;
}

// The macro editor: the macros of the macro file on the left, the events of
// the one on show in the centre, inserting and changing events on the
// right. Every change is written to the macro file when it is made, and
// every result of the store is read: a failed write is reported and the
// list shown again from the file.
class DMacroPage : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPathBufferSize = 256;

    explicit DMacroPage(QWidget* parent = nullptr);
    ~DMacroPage() override;

    // A path of more than 255 bytes is refused, never cut: the editor then
    // works on no file.
    void setMacroFilePath(const char* path);
    const char* macroFilePath() const { return m_macroFilePath; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Starts or stops recording into the macro on show.
    void toggleRecording();

signals:
    void sigMacroPageClose();
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);

public slots:
    void reject() override;

    void onLoadMacroList();
    void onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onModifyMacroItemNameFailed();
    void onDeleteMacro(QString strMacroIndex, QString strMacroName);
    void onExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName, QString operateExplain);
    void onMouseEnter(QString selectMark, QString selectOperateExplain);
    void onMouseLeave(QString selectMark, QString selectOperateExplain);
    void onScrollAreaValueChanged(int value);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam);
    void onDeleteKeyAndMouseEvent();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_pushButton_Close_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_ClearMacroLst_clicked();
    void on_pushButton_Import_clicked();
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();
    void on_pushButton_InsertMacro_clicked();
    void on_pushButton_ModifyMacro_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();

private:
    void setTexts();
    void setTheme();
    void loadMacroList();
    void clearMacroRows();
    void clearEventRows();
    void showNoMacro();
    // Shows the macro's events; `from` is the row that asked, if any.
    void showMacro(DMacroListItem* from, const QString& strMacroIndex, const QString& strMacroName);
    DCatchKeyAndMouseItem* addEventRow(const QString& mark);
    void notifyMacroChanged();
    void showNotice(const QString& text);
    // Tells of store files set aside as damaged; true when there was one.
    bool showRecoveryNotes();
    // A write the file did not take: said so, and the list and the macro on
    // show read again from the file, so nothing on screen claims otherwise.
    void reportSaveFailure();
    DMacroListItem* rowOf(const QString& index) const;
    // Stops the hooks and reports the closing, once, whichever way the
    // editor goes.
    void finish();

    // Recording and event editing (DMacroPageRecording.cpp).
    void setUpRecording();
    // The key fields capture while they have the focus; true when handled.
    bool filterRecordingEvent(QObject* watched, QEvent* event);
    void setRecordLook(bool recording);
    void setRecordingFramesEnabled(bool enabled);
    void readDelayMode();
    void addRecordedRow(const DMacroEvent& event);
    // The rows anew from the edited list, the selection kept.
    void showEditedRows();
    void applySelectionLooks(DCatchKeyAndMouseItem* clicked);
    // Toasts the outcome; true when the change was made.
    bool reportEdit(DMacroEventEditor::Result result, const QString& doneText);

    Ui::DMacroPage* ui;
    char m_macroFilePath[kPathBufferSize] = {};
    DMacroFile m_macroFile;
    QString m_lastDir;
    QVBoxLayout* m_macroListLayout = nullptr;
    QVBoxLayout* m_eventListLayout = nullptr;
    CbNotice* m_notice = nullptr;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyToHidMap;
    QFont m_recordFont;
    DMacroListItem* m_currentMacroRow = nullptr;
    QList<DMacroListItem*> m_macroRows;
    bool m_recording = false;
    int m_lastDelay = 0;
    int m_lastEventTick = 0;
    bool m_ignoreMouse = false;
    int m_downCount = 0;
    QList<DCatchKeyAndMouseItem*> m_eventRows;
    qint64 m_totalDelay = 0;
    std::list<macroEventItem> m_pendingEvents;
    bool m_selectFirstRow = false;
    bool m_eventSelected = false;
    DCatchKeyAndMouseItem* m_selectedRow = nullptr;
    QString m_selectedMark;
    QString m_selectedOperate;
    int m_selectedIsUp = -1;
    int m_selectedIndex = 0;
    QString m_currentMacroIndex;
    QString m_currentMacroName;
    bool m_finished = false;
    DMacroRecorder m_recorder;
    DMacroEventEditor m_editor;
    QString m_capturedKeyName;
    int m_capturedKeyCode = -1;
    QLabel* m_captureScopeLabel = nullptr;
};
