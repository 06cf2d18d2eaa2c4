#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "app/logCategories.h"
#include "profiles/DMacroBindings.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/mainwidget/devicePage/DSleepTimeValidator.h"
#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DPopupShape.h"
#include "ui/widgets/DStoreMessage.h"
#include "ui_DMacroPage.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int kWidth = 1050;
constexpr int kHeight = 690;
constexpr int kStartDelayMs = 200;
constexpr int kMaxDelay = 65535;
QString totalText(qint64 total)
{
    return QObject::tr("%1 MS").arg(total);
}

// Every row goes; the trailing stretch stays. Rows are deleted once control
// is back in the event loop, since one of them may be the sender.
void takeRows(QVBoxLayout* layout)
{
    while (layout->count() > 1) {
        QLayoutItem* item = layout->takeAt(0);
        if (QWidget* widget = item->widget())
            widget->deleteLater();
        delete item;
    }
}

} // namespace

DMacroPage::DMacroPage(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DMacroPage)
{
    ui->setupUi(this);
    setTexts();
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    DPopupShape::apply(this);
    setFixedSize(kWidth, kHeight);
    ui->radioButton_Delay->hide();
    m_lastDir = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // Many Linux desktops have no desktop folder.
    if (!QFileInfo(m_lastDir).isDir())
        m_lastDir = QDir::homePath();
    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(14);
    // The lists take the boxes' colours from their style sheets. The
    // scroll area fills its viewport and its content from the palette, which
    // would paint them over in the window's colour (black where the window is
    // translucent), so neither fills itself.
    for (QScrollArea* area : {ui->scrollArea_2, ui->scrollArea_3}) {
        for (QWidget* layer : {area->viewport(), area->widget()}) {
            layer->setAutoFillBackground(false);
            QPalette clear = layer->palette();
            clear.setColor(QPalette::Window, Qt::transparent);
            clear.setColor(QPalette::Base, Qt::transparent);
            layer->setPalette(clear);
        }
    }
    m_macroListLayout = ui->verticalLayout_17;
    m_eventListLayout = ui->verticalLayout_20;

    auto* delayGroup = new QButtonGroup(this);
    delayGroup->setExclusive(true);
    delayGroup->addButton(ui->radioButton_RecordDelay, 0);
    delayGroup->addButton(ui->radioButton_NoDelay, 1);
    delayGroup->addButton(ui->radioButton_DefaultDelay, 2);
    ui->radioButton_InsertAfter->setChecked(true);
    ui->radioButton_Key->setChecked(true);
    ui->radioButton_MouseLeft->setChecked(true);

    DDataManager* data = DDataManager::getInstance();
    m_recordFont = data->getFont(0);
    m_recordFont.setPointSize(13);
    ui->label->setFont(m_recordFont);

    // Refuses 65536 while it is typed, as the sleep times refuse theirs.
    auto* delayValidator = new DSleepTimeValidator(0, kMaxDelay, this);
    for (QLineEdit* edit : {ui->lineEdit_EnterDelayNum, ui->lineEdit_DelayNum, ui->lineEdit_DefaultDelayNum})
        edit->setValidator(delayValidator);
    ui->radioButton_RecordDelay->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);

    ui->frame_Record->setCursor(Qt::PointingHandCursor);
    for (QObject* watched : {static_cast<QObject*>(ui->frame_Record), static_cast<QObject*>(ui->lineEdit_EnterKey),
                             static_cast<QObject*>(ui->lineEdit_PressKey)})
        watched->installEventFilter(this);

    m_keyNameMap = data->keyNameMap();
    m_virtualKeyToHidMap = data->virtualKeyToHidMap();
    setUpRecording();
    connect(ui->scrollArea_3->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DMacroPage::onScrollAreaValueChanged);

    setTheme();
    QTimer::singleShot(kStartDelayMs, this, &DMacroPage::onLoadMacroList);
}

DMacroPage::~DMacroPage()
{
    // Torn down with the main window: the hooks must not outlive the editor.
    finish();
    delete ui;
}

void DMacroPage::setMacroFilePath(const char* path)
{
    const QByteArray text(path ? path : "");
    m_macroFile = DMacroFile(text);
    const QByteArray kept = m_macroFile.path();
    qstrncpy(m_macroFilePath, kept.constData(), sizeof m_macroFilePath);
    m_editor.setFile(m_macroFile);
}

void DMacroPage::setTexts()
{
    ui->pushButton_Import->setToolTip(QObject::tr("Import"));
    ui->pushButton_Add->setToolTip(QObject::tr("Create"));
    ui->pushButton_ClearMacroLst->setToolTip(QObject::tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(QObject::tr("Up"));
    ui->pushButton_MoveDown->setToolTip(QObject::tr("Down"));

    ui->label_Title->setText(QObject::tr("Macro Record"));
    ui->label_MacroGroup->setText(QObject::tr("Macro Group"));
    ui->label_10->setText(QObject::tr("Delay Setting"));
    ui->radioButton_RecordDelay->setText(QObject::tr("Recording delay"));
    ui->radioButton_NoDelay->setText(QObject::tr("No delay"));
    ui->radioButton_DefaultDelay->setText(QObject::tr("Default delay"));
    for (QLabel* label : {ui->label_11, ui->label_8, ui->label_9})
        label->setText(QObject::tr("MS"));
    ui->label->setText(QObject::tr("Start record"));
    ui->label_12->setText(QObject::tr("Event List"));
    ui->label_14->setText(QObject::tr("Record is empty"));
    ui->label_InsertMacro->setText(QObject::tr("Insert Event"));
    ui->label_5->setText(QObject::tr("Position"));
    ui->radioButton_InsertAfter->setText(QObject::tr("Insert event after"));
    ui->radioButton_InsertBefore->setText(QObject::tr("Insert event before"));
    ui->label_6->setText(QObject::tr("Event"));
    ui->label_4->setText(QObject::tr("Event"));
    ui->radioButton_Key->setText(QObject::tr("Keyboard Event"));
    ui->radioButton_KeyboardEvent->setText(QObject::tr("Keyboard Event"));
    ui->radioButton_Mouse->setText(QObject::tr("Mouse Event"));
    ui->radioButton_MouseEvent->setText(QObject::tr("Mouse Event"));
    ui->radioButton_Delay->setText(QObject::tr("Delay"));
    ui->label_2->setText(QObject::tr("Delay"));
    ui->label_7->setText(QObject::tr("Operate"));
    ui->lineEdit_EnterKey->setPlaceholderText(QObject::tr("Please enter a key"));
    ui->lineEdit_PressKey->setPlaceholderText(QObject::tr("Please enter a key"));
    ui->radioButton_MouseLeft->setText(QObject::tr("Left Click"));
    ui->radioButton_1left->setText(QObject::tr("Left Click"));
    ui->radioButton_MouseCenter->setText(QObject::tr("Center Click"));
    ui->radioButton_2center->setText(QObject::tr("Center Click"));
    ui->radioButton_MouseRight->setText(QObject::tr("Right Click"));
    ui->radioButton_3right->setText(QObject::tr("Right Click"));
    ui->lineEdit_EnterDelayNum->setPlaceholderText(QObject::tr("Please enter delay number"));
    ui->pushButton_InsertMacro->setText(QObject::tr("Insert"));
    ui->label_Property->setText(QObject::tr("Property"));
    ui->label_3->setText(QObject::tr("Press Key"));
    ui->label_13->setText(QObject::tr("Mouse"));
    ui->pushButton_ModifyMacro->setText(QObject::tr("Modify"));
}

void DMacroPage::setTheme()
{
    // The colours come from the application's sheet (60-macro.qss); the
    // fonts are the data manager's, which the sheet cannot name.
    DDataManager* data = DDataManager::getInstance();
    m_notice->setTheme(data->themeColors());
    setRecordLook(m_recording);
    const auto font = [data](int which, int pointSize) {
        QFont f = data->getFont(which);
        f.setPointSize(pointSize);
        return f;
    };
    for (QWidget* w : {static_cast<QWidget*>(ui->label_Title), static_cast<QWidget*>(ui->label_MacroGroup),
                       static_cast<QWidget*>(ui->label_10), static_cast<QWidget*>(ui->label_12),
                       static_cast<QWidget*>(ui->label_InsertMacro), static_cast<QWidget*>(ui->label_Property)})
        w->setFont(font(0, 12));
    ui->pushButton_InsertMacro->setFont(font(0, 11));
    ui->pushButton_ModifyMacro->setFont(font(0, 11));
    ui->label->setFont(font(0, 13));
    ui->label_14->setFont(font(0, 18));
    for (QLabel* label : {ui->label_5, ui->label_6, ui->label_7, ui->label_2, ui->label_4, ui->label_3, ui->label_13})
        label->setFont(font(1, 10));
}

void DMacroPage::onScrollAreaValueChanged(int value)
{
    Q_UNUSED(value)
}

bool DMacroPage::eventFilter(QObject* watched, QEvent* event)
{
    if (filterRecordingEvent(watched, event))
        return true;
    return QDialog::eventFilter(watched, event);
}

void DMacroPage::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int tenth = contentsRect().width() / 10;
    ui->frame_Left->setMaximumWidth(tenth * 3);
    ui->frame_Center->setMaximumWidth(tenth * 4);
    ui->frame_Right->setMaximumWidth(tenth * 3);
}

void DMacroPage::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    // Nothing of a recording cut short by the closing is stored.
    m_recorder.cancel();
    m_recording = false;
    DDataManager::getInstance()->switchMacroRecordHook(false);
    emit sigMacroPageClose();
}

void DMacroPage::on_pushButton_Close_clicked()
{
    finish();
    close();
}

void DMacroPage::reject()
{
    finish();
    QDialog::reject();
}

void DMacroPage::closeEvent(QCloseEvent* event)
{
    qCDebug(lcUi) << "------------------------- *** [DMacroPage] closeEvent *** -------------------------";
    // A close asked for by the window system ends the editor as the close
    // button does, or the hooks would go on swallowing keys under the overlay.
    finish();
    QDialog::closeEvent(event);
}

void DMacroPage::showNotice(const QString& text)
{
    m_notice->showNoticeTextAt(text, rect().center());
}

bool DMacroPage::showRecoveryNotes()
{
    const QStringList notes = DStoreRecoveryNotice::takeMessages();
    if (notes.isEmpty())
        return false;
    // Whole and until closed, as the device page tells it: the file, what
    // took its place and where the damaged copy went.
    DStoreMessage::show(this, notes.join(QStringLiteral("\n\n")));
    return true;
}

void DMacroPage::notifyMacroChanged()
{
    emit sigMacroListHaveChanged(m_currentMacroIndex, m_currentMacroName);
}

DMacroListItem* DMacroPage::rowOf(const QString& index) const
{
    for (DMacroListItem* row : m_macroRows) {
        if (row->macroIndex() == index)
            return row;
    }
    return nullptr;
}

void DMacroPage::onLoadMacroList()
{
    loadMacroList();
}

void DMacroPage::clearMacroRows()
{
    takeRows(m_macroListLayout);
    m_macroRows.clear();
}

void DMacroPage::clearEventRows()
{
    takeRows(m_eventListLayout);
    m_eventRows.clear();
    m_selectedRow = nullptr;
}

void DMacroPage::showNoMacro()
{
    m_currentMacroRow = nullptr;
    m_currentMacroIndex.clear();
    m_currentMacroName.clear();
    clearEventRows();
    m_pendingEvents.clear();
    m_eventSelected = false;
    m_totalDelay = 0;
    m_downCount = 0;
    m_editor.clear();
    ui->label_TotalTime->setText(totalText(0));
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
}

void DMacroPage::loadMacroList()
{
    clearMacroRows();
    m_currentMacroRow = nullptr;
    QList<DMacroFile::Macro> macros;
    bool read = m_macroFile.macros(&macros);
    // The read that finds a damaged file fails; the store has put the
    // backup or an empty file in its place by then.
    if (showRecoveryNotes() && !read)
        read = m_macroFile.macros(&macros);
    if (!read)
        showNotice(QObject::tr("The macro file could not be read"));
    if (macros.isEmpty()) {
        showNoMacro();
        return;
    }
    for (const DMacroFile::Macro& macro : macros) {
        auto* row = new DMacroListItem(ui->scrollAreaWidgetContents_2);
        connect(row, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
        connect(row, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this, &DMacroPage::onModifyMacroItemNameIsEmpty);
        connect(row, &DMacroListItem::sigModifyMacroItemNameSuccess, this, &DMacroPage::onModifyMacroItemNameSuccess);
        connect(row, &DMacroListItem::sigModifyMacroItemNameFailed, this, &DMacroPage::onModifyMacroItemNameFailed);
        connect(row, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
        connect(row, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
        row->setMacroFilePath(m_macroFilePath);
        row->setData(macro.index, macro.name);
        m_macroListLayout->insertWidget(m_macroListLayout->count() - 1, row);
        if (m_macroRows.isEmpty()) {
            m_currentMacroRow = row;
            row->setSelected(true);
        }
        m_macroRows.append(row);
    }
    // The first row is already the current one: showing it keeps the look.
    showMacro(nullptr, macros.first().index, macros.first().name);
}

DCatchKeyAndMouseItem* DMacroPage::addEventRow(const QString& mark)
{
    auto* row = new DCatchKeyAndMouseItem(mark, ui->scrollAreaWidgetContents_3);
    connect(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(row, &DCatchKeyAndMouseItem::sigMouseEnter, this, &DMacroPage::onMouseEnter);
    connect(row, &DCatchKeyAndMouseItem::sigMouseLeave, this, &DMacroPage::onMouseLeave);
    connect(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent, this, &DMacroPage::onDeleteKeyAndMouseEvent);
    m_eventListLayout->insertWidget(m_eventListLayout->count() - 1, row);
    m_eventRows.append(row);
    return row;
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    auto* row = qobject_cast<DMacroListItem*>(sender());
    showMacro(m_macroRows.contains(row) ? row : nullptr, strMacroIndex, strMacroName);
}

void DMacroPage::showMacro(DMacroListItem* from, const QString& strMacroIndex, const QString& strMacroName)
{
    if (m_recording)
        return;
    DMacroListItem* row = from;
    if (m_selectFirstRow && !m_macroRows.isEmpty()) {
        row = m_macroRows.first();
        m_selectFirstRow = false;
    }
    if (row && row != m_currentMacroRow) {
        m_lastDelay = 0;
        m_totalDelay = 0;
        for (DMacroListItem* each : qAsConst(m_macroRows))
            each->setSelected(each == row);
        m_selectedIndex = 0;
        m_currentMacroRow = row;
        m_pendingEvents.clear();
    }
    m_eventSelected = false;
    m_currentMacroIndex = strMacroIndex;
    // The name the row shows, which follows a rename made there.
    m_currentMacroName = m_currentMacroRow && m_currentMacroRow->macroIndex() == strMacroIndex
                             ? m_currentMacroRow->macroName()
                             : strMacroName;
    m_downCount = 0;
    m_lastEventTick = 0;
    m_lastDelay = 0;
    m_totalDelay = 0;
    clearEventRows();
    ui->label_TotalTime->setText(totalText(0));

    QList<DMacroEvent> events;
    const bool read = m_macroFile.events(strMacroIndex, &events);
    showRecoveryNotes();
    m_editor.show(strMacroIndex, m_currentMacroName, read ? events : QList<DMacroEvent>());
    if (!read || events.isEmpty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    for (const DMacroEvent& event : qAsConst(events)) {
        if (event.isDown())
            ++m_downCount;
        addEventRow(event.mark)->setData(event.delay, event.type, event.keyCode, event.codeName, event.operateExplain);
        m_lastDelay = event.delay;
    }
    m_totalDelay = DMacroEvent::totalDelay(events);
    ui->label_TotalTime->setText(totalText(m_totalDelay));
    ui->scrollArea_3->verticalScrollBar()->setValue(0);
}

void DMacroPage::on_pushButton_Add_clicked()
{
    DMacroFile::Macro created;
    if (!m_macroFile.add(&created)) {
        reportSaveFailure();
        return;
    }
    loadMacroList();
    showNotice(QObject::tr("Add macro successful"));
}

void DMacroPage::reportSaveFailure()
{
    const QString shown = m_currentMacroIndex;
    loadMacroList();
    if (DMacroListItem* row = rowOf(shown); row && row != m_currentMacroRow)
        showMacro(row, row->macroIndex(), row->macroName());
    if (!showRecoveryNotes())
        showNotice(DStoreRecoveryNotice::saveFailure(QObject::tr("The macro file could not be saved")));
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName)
    auto* row = qobject_cast<DMacroListItem*>(sender());
    if (m_recording || !row || !m_macroRows.contains(row))
        return;
    bool isNumber = false;
    const int macroIndex = strMacroIndex.toInt(&isNumber, 10);
    const QString configDir = DDataManager::getInstance()->userConfigDir();
    QList<DMacroBindings::Binding> bindings;
    if (!isNumber || !DMacroBindings::find(configDir, macroIndex, &bindings)) {
        reportSaveFailure();
        return;
    }
    if (!bindings.isEmpty()) {
        const int answer = QMessageBox::question(
            this, QObject::tr("Tip"),
            QObject::tr("%n keys are bound to this macro. Deleting the macro gives them back their default function. "
                        "Delete it?",
                        nullptr, bindings.size()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (!DMacroBindings::removeMacro(m_macroFile, configDir, macroIndex)) {
        reportSaveFailure();
        return;
    }
    m_macroListLayout->removeWidget(row);
    row->deleteLater();
    m_macroRows.removeOne(row);
    showNotice(QObject::tr("Delete macro successful"));
    if (strMacroIndex != m_currentMacroIndex)
        return;
    m_currentMacroRow = nullptr;
    QList<DMacroFile::Macro> remaining;
    m_macroFile.macros(&remaining);
    if (!remaining.isEmpty()) {
        m_selectFirstRow = true;
        showMacro(nullptr, remaining.first().index, remaining.first().name);
        return;
    }
    showNoMacro();
    notifyMacroChanged();
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showNotice(QObject::tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    if (sender() == m_currentMacroRow && m_currentMacroRow)
        m_currentMacroName = m_currentMacroRow->macroName();
    showNotice(QObject::tr("Modify macro name successful"));
}

void DMacroPage::onModifyMacroItemNameFailed()
{
    if (!showRecoveryNotes())
        showNotice(DStoreRecoveryNotice::saveFailure(QObject::tr("The macro file could not be saved")));
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (m_currentMacroName.isEmpty()) {
        showNotice(QObject::tr("Please select a macro first"));
        return;
    }
    if (m_currentMacroRow && m_currentMacroRow->macroIndex() == m_currentMacroIndex)
        m_currentMacroName = m_currentMacroRow->macroName();
    if (!m_macroFile.clear(m_currentMacroIndex, m_currentMacroName)) {
        reportSaveFailure();
        return;
    }
    clearEventRows();
    m_pendingEvents.clear();
    m_eventSelected = false;
    m_totalDelay = 0;
    m_editor.show(m_currentMacroIndex, m_currentMacroName, {});
    ui->label_TotalTime->setText(totalText(0));
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    showNotice(QObject::tr("Clear record macro successful"));
    notifyMacroChanged();
    m_downCount = 0;
}

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    auto* row = qobject_cast<DCatchKeyAndMouseItem*>(sender());
    if (!row || !m_eventRows.contains(row))
        return;
    ui->lineEdit_PressKey->clear();
    m_selectedRow = row;
    const bool down = operateExplain.contains(QLatin1String("down"));
    m_selectedOperate = QLatin1String(down ? "down" : "up");
    m_selectedIsUp = down ? 0 : 1;
    m_selectedMark = row->getMark();
    m_selectedIndex = m_eventListLayout->indexOf(row);
    m_editor.select(m_selectedIndex);
    ui->lineEdit_DelayNum->setText(delay);
    if (type == QLatin1String("key")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == QLatin1String("mouse")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    }
    if (!type.contains(QLatin1String("mouse"))) {
        ui->lineEdit_PressKey->setMaxLength(qMax(1, codeName.size()));
        ui->lineEdit_PressKey->setText(codeName);
    } else if (keyCode == QLatin1String("513") || keyCode == QLatin1String("514")) {
        ui->radioButton_1left->setChecked(true);
    } else if (keyCode == QLatin1String("519") || keyCode == QLatin1String("520")) {
        ui->radioButton_2center->setChecked(true);
    } else if (keyCode == QLatin1String("516") || keyCode == QLatin1String("517")) {
        ui->radioButton_3right->setChecked(true);
    }
    m_eventSelected = true;
    applySelectionLooks(row);
}

void DMacroPage::applySelectionLooks(DCatchKeyAndMouseItem* clicked)
{
    for (DCatchKeyAndMouseItem* each : qAsConst(m_eventRows))
        each->setHighlighted(each->getMark() == m_selectedMark && each->getOperateExplain() != m_selectedOperate);
    if (!clicked)
        return;
    clicked->setHighlighted(true);
    for (DCatchKeyAndMouseItem* each : qAsConst(m_eventRows)) {
        if (each->getMark() == m_selectedMark && each->getOperateExplain() == clicked->getOperateExplain())
            each->setSelected(true);
    }
}

void DMacroPage::onMouseEnter(QString selectMark, QString selectOperateExplain)
{
    for (DCatchKeyAndMouseItem* each : qAsConst(m_eventRows)) {
        if (each->getMark() == selectMark && each->getOperateExplain() != selectOperateExplain) {
            each->setHighlighted(true);
            return;
        }
    }
}

void DMacroPage::onMouseLeave(QString selectMark, QString selectOperateExplain)
{
    for (DCatchKeyAndMouseItem* each : qAsConst(m_eventRows)) {
        if (each->getMark() == selectMark && each->getOperateExplain() != selectOperateExplain) {
            // The partner of the selected event keeps its highlight.
            if (!(m_eventSelected && each->getMark() == m_selectedMark))
                each->setHighlighted(false);
            return;
        }
    }
}

void DMacroPage::on_radioButton_Key_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Mouse);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    ui->radioButton_1left->setChecked(true);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
}
