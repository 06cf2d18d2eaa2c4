// DMacroPage: recording through the input hooks, key capture in the two key
// fields, and the changes to single events (insert, change, move, delete).
// The rules live in DMacroRecorder and DMacroEventEditor; this file shows
// their results.
#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/widgets/DAppStyle.h"
#include "ui_DMacroPage.h"

#include <QBoxLayout>
#include <QEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVariant>

namespace {

QString totalText(qint64 total)
{
    return QObject::tr("%1 MS").arg(total);
}

} // namespace

void DMacroPage::setUpRecording()
{
    DDataManager* data = DDataManager::getInstance();
    m_recorder.setKeyMaps(m_keyNameMap, m_virtualKeyToHidMap);
    connect(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard, this, &DMacroPage::onKeyboardRecviveStream);
    connect(data, &DDataManager::sigRecviveStreamEX_MacroMouse, this, &DMacroPage::onMouseRecviveStream);
    // A typed text would be stored with the code of whatever key was
    // captured before it: the fields show captures only.
    for (QLineEdit* field : {ui->lineEdit_EnterKey, ui->lineEdit_PressKey})
        field->setReadOnly(true);

    const QString scope = WindowsHookInterface::captureScopeNotice();
    if (scope.isEmpty())
        return;
    // The fields keep their short prompt: the notice is wider than them in
    // most languages, and a placeholder is elided. They tell it on hovering.
    for (QLineEdit* field : {ui->lineEdit_EnterKey, ui->lineEdit_PressKey})
        field->setToolTip(scope);
    m_captureScopeLabel = new QLabel(scope, ui->frame_Record->parentWidget());
    m_captureScopeLabel->setObjectName(QStringLiteral("label_CaptureScope"));
    m_captureScopeLabel->setWordWrap(true);
    // As high as its lines at the width it is given (below).
    m_captureScopeLabel->installEventFilter(this);
    m_captureScopeLabel->setAlignment(Qt::AlignCenter);
    if (auto* box = qobject_cast<QBoxLayout*>(ui->frame_Record->parentWidget()->layout()))
        box->insertWidget(box->indexOf(ui->frame_Record) + 1, m_captureScopeLabel);
}

bool DMacroPage::filterRecordingEvent(QObject* watched, QEvent* event)
{
    if (watched == m_captureScopeLabel && event->type() == QEvent::Resize) {
        m_captureScopeLabel->setMinimumHeight(m_captureScopeLabel->heightForWidth(m_captureScopeLabel->width()));
        return false;
    }
    DDataManager* data = DDataManager::getInstance();
    if (watched == ui->frame_Record) {
        if (event->type() == QEvent::Enter) {
            m_ignoreMouse = true;
        } else if (event->type() == QEvent::Leave) {
            m_ignoreMouse = false;
        } else if (event->type() == QEvent::MouseButtonRelease
                   && ui->frame_Record->rect().contains(static_cast<QMouseEvent*>(event)->pos())) {
            toggleRecording();
            return true;
        }
        return false;
    }
    // Once the editor is finished the key page has the hook back (in
    // pass-through for a key-press effect); the focus leaving a field as the
    // window goes must not take it away again.
    if ((watched != ui->lineEdit_EnterKey && watched != ui->lineEdit_PressKey) || m_finished)
        return false;
    // While recording the hooks belong to the recording: a field losing the
    // focus when the panels are disabled must not stop them.
    if (event->type() == QEvent::FocusIn && !m_recording) {
        m_ignoreMouse = true;
        data->switchMacroRecordHook(true);
    } else if (event->type() == QEvent::FocusOut && !m_recording) {
        data->switchMacroRecordHook(false);
    }
    return false;
}

void DMacroPage::setRecordLook(bool recording)
{
    ui->label->setText(recording ? QObject::tr("Stop record") : QObject::tr("Start record"));
    ui->label->setFont(m_recordFont);
    for (QWidget* part : {static_cast<QWidget*>(ui->label), static_cast<QWidget*>(ui->frame_Record),
                          static_cast<QWidget*>(ui->frame_RecordIco)})
        DAppStyle::setState(part, "recording", recording);
}

void DMacroPage::setRecordingFramesEnabled(bool enabled)
{
    for (QWidget* frame : {ui->frame_29, ui->frame_34, ui->frame_Center, ui->frame_Right})
        frame->setEnabled(enabled);
}

void DMacroPage::readDelayMode()
{
    if (ui->radioButton_NoDelay->isChecked())
        m_recorder.setDelayMode(DMacroRecorder::DelayMode::None);
    else if (ui->radioButton_DefaultDelay->isChecked())
        m_recorder.setDelayMode(DMacroRecorder::DelayMode::Fixed, ui->lineEdit_DefaultDelayNum->text().toInt());
    else
        m_recorder.setDelayMode(DMacroRecorder::DelayMode::Recorded);
}

void DMacroPage::toggleRecording()
{
    DDataManager* data = DDataManager::getInstance();
    if (!m_recording) {
        if (!m_currentMacroRow)
            return;
        const int nextMark = m_macroFile.nextEventMark(m_currentMacroIndex);
        if (nextMark < 0) {
            reportSaveFailure();
            return;
        }
        if (!data->switchMacroRecordHook(true))
            return;
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        m_recording = true;
        m_recorder.setShownMacro(m_editor.events().size(), m_editor.presses());
        m_recorder.start(nextMark);
        setRecordLook(true);
        showNotice(QObject::tr("Start record macro"));
        m_totalDelay = m_editor.totalDelay();
        ui->label_TotalTime->setText(totalText(m_totalDelay));
        setRecordingFramesEnabled(false);
        return;
    }
    if (!data->switchMacroRecordHook(false))
        return;
    m_recording = false;
    setRecordLook(false);
    showNotice(QObject::tr("Stop record macro"));
    const QList<DMacroEvent> recorded = m_recorder.stop();
    setRecordingFramesEnabled(true);
    const DMacroEventEditor::Result saved = m_editor.append(recorded);
    if (saved == DMacroEventEditor::Result::WriteFailed) {
        reportSaveFailure();
        return;
    }
    // The list as the file holds it now.
    showMacro(m_currentMacroRow, m_currentMacroIndex, m_currentMacroName);
    notifyMacroChanged();
}

void DMacroPage::addRecordedRow(const DMacroEvent& event)
{
    addEventRow(event.mark)->setData(event.delay, event.type, event.keyCode, event.codeName, event.operateExplain);
    m_totalDelay = m_editor.totalDelay() + m_recorder.recordedDelay();
    ui->label_TotalTime->setText(totalText(m_totalDelay));
    QScrollBar* bar = ui->scrollArea_3->verticalScrollBar();
    bar->setValue(bar->maximum() + 40);
}

void DMacroPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    readDelayMode();
    // The key fields' captures count against the presses of the macro on
    // show, as it is now.
    if (!m_recording)
        m_recorder.setShownMacro(m_editor.events().size(), m_editor.presses());
    const DMacroRecorder::Outcome outcome = m_recorder.keyEvent(keyCode, scCode, flag, hookFlag);
    switch (outcome.result) {
    case DMacroRecorder::Result::LimitReached:
        showNotice(QObject::tr("The record of events has reached the limit"));
        break;
    case DMacroRecorder::Result::Captured: {
        m_capturedKeyName = outcome.name;
        m_capturedKeyCode = outcome.usage;
        QLineEdit* field = ui->lineEdit_EnterKey->hasFocus() ? ui->lineEdit_EnterKey : ui->lineEdit_PressKey;
        field->setMaxLength(qMax(1, outcome.name.size()));
        field->setText(outcome.name);
        break;
    }
    case DMacroRecorder::Result::Recorded:
        addRecordedRow(m_recorder.recorded().last());
        break;
    case DMacroRecorder::Result::Ignored:
        break;
    }
}

void DMacroPage::onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(nCode)
    Q_UNUSED(lParam)
    // The click that stops the recording lands on the record button.
    if (!m_recording || m_ignoreMouse)
        return;
    readDelayMode();
    const DMacroRecorder::Outcome outcome = m_recorder.mouseEvent(wParam);
    if (outcome.result == DMacroRecorder::Result::LimitReached)
        showNotice(QObject::tr("The record of events has reached the limit"));
    else if (outcome.result == DMacroRecorder::Result::Recorded)
        addRecordedRow(m_recorder.recorded().last());
}

void DMacroPage::showEditedRows()
{
    clearEventRows();
    for (const DMacroEvent& event : m_editor.events())
        addEventRow(event.mark)->setData(event.delay, event.type, event.keyCode, event.codeName, event.operateExplain);
    m_totalDelay = m_editor.totalDelay();
    m_downCount = m_editor.presses();
    ui->label_TotalTime->setText(totalText(m_totalDelay));
    m_eventSelected = m_editor.hasSelection();
    if (!m_eventSelected)
        return;
    m_selectedIndex = m_editor.selectedRow();
    m_selectedRow = m_eventRows.value(m_selectedIndex);
    applySelectionLooks(m_selectedRow);
}

bool DMacroPage::reportEdit(DMacroEventEditor::Result result, const QString& doneText)
{
    using Result = DMacroEventEditor::Result;
    switch (result) {
    case Result::NoSelection:
        showNotice(QObject::tr("Please select a specific location first"));
        return false;
    case Result::NoKey:
        showNotice(QObject::tr("Please enter a key"));
        return false;
    case Result::LimitReached:
        showNotice(QObject::tr("The record of events has reached the limit"));
        return false;
    case Result::Unchanged:
        return false;
    case Result::WriteFailed:
        reportSaveFailure();
        return false;
    case Result::Done:
        break;
    }
    showEditedRows();
    if (!doneText.isEmpty())
        showNotice(doneText);
    notifyMacroChanged();
    return true;
}

namespace {

DMacroEvent::MouseButton checkedButton(const QRadioButton* center, const QRadioButton* right)
{
    if (center->isChecked())
        return DMacroEvent::CenterButton;
    return right->isChecked() ? DMacroEvent::RightButton : DMacroEvent::LeftButton;
}

} // namespace

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    using Place = DMacroEventEditor::Place;
    const Place place = ui->radioButton_InsertBefore->isChecked() ? Place::Before : Place::After;
    m_editor.setName(m_currentMacroName);
    if (ui->radioButton_Key->isChecked()) {
        reportEdit(m_editor.insertKey(place, m_capturedKeyCode, m_capturedKeyName), QObject::tr("Insert successful"));
    } else if (ui->radioButton_Mouse->isChecked()) {
        reportEdit(m_editor.insertMouse(place, checkedButton(ui->radioButton_MouseCenter, ui->radioButton_MouseRight)),
                   QObject::tr("Insert successful"));
    }
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    const int delay = ui->lineEdit_DelayNum->text().toInt();
    if (ui->radioButton_KeyboardEvent->isChecked()) {
        reportEdit(m_editor.changeToKey(ui->lineEdit_PressKey->text(), m_capturedKeyCode, delay),
                   QObject::tr("Modify successful"));
    } else {
        reportEdit(m_editor.changeToMouse(checkedButton(ui->radioButton_2center, ui->radioButton_3right), delay),
                   QObject::tr("Modify successful"));
    }
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    reportEdit(m_editor.moveUp(), QString());
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    reportEdit(m_editor.moveDown(), QString());
}

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    auto* row = qobject_cast<DCatchKeyAndMouseItem*>(sender());
    if (!row || !m_eventRows.contains(row) || m_recording)
        return;
    reportEdit(m_editor.removePair(m_eventListLayout->indexOf(row)), QString());
}
