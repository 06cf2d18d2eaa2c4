#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"
#include "ui_DMacroCmdPage.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "profiles/DKeyFunctionType.h"
#include "profiles/DMacroKeyBinding.h"
#include "ui/mainwidget/devicePage/keyFunctions/DFieldHintColour.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include <QIntValidator>
#include <QListView>
#include <QSignalBlocker>

#include <list>

namespace {

// A count text the keyboard can play: 1 to 255, nothing else; 0 otherwise.
int countOf(const QString& text)
{
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    return ok && count >= DMacroKeyBinding::kMinCount && count <= DMacroKeyBinding::kMaxCount ? count : 0;
}

} // namespace

DMacroCmdPage::DMacroCmdPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DMacroCmdPage)
{
    m_ui->setupUi(this);
    DFieldHintColour::watchFields(this);
    m_ui->lineEdit_playMany->setValidator(
        new QIntValidator(DMacroKeyBinding::kMinCount, DMacroKeyBinding::kMaxCount, m_ui->lineEdit_playMany));
    // A list view, so the list's rows take the height the style sheet gives.
    m_ui->comboBox_Macro->setView(new QListView(m_ui->comboBox_Macro));
    connect(m_ui->comboBox_Macro, QOverload<int>::of(&QComboBox::activated), this, &DMacroCmdPage::onComboxActivated);
    retranslate();
}

DMacroCmdPage::~DMacroCmdPage()
{
    delete m_ui;
}

void DMacroCmdPage::retranslate()
{
    const QString count = m_ui->lineEdit_playMany->text();
    {
        const QSignalBlocker blocker(m_ui->lineEdit_playMany);
        m_ui->retranslateUi(this);
        m_ui->lineEdit_playMany->setText(count);
    }
    m_ui->label->setText(QObject::tr("Play Type"));
    m_ui->radioButton_playOne->setText(QObject::tr("Play once"));
    m_ui->radioButton_playMany->setText(QObject::tr("Play multiple times"));
    m_ui->radioButton_playKeyPressRelStop->setText(QObject::tr("Continous playback on/off"));
    m_ui->radioButton_playWhellKeyPress->setText(QObject::tr("Play while assigned key is pressed"));
    m_ui->label_3->setText(QObject::tr("Play Number"));
    m_ui->lineEdit_playMany->setPlaceholderText(QObject::tr("Play Number 1,2,3..."));
    m_ui->label_2->setText(QObject::tr("Assign Macro"));
}

void DMacroCmdPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    char macroPath[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyMacroFilePath(macroPath);
    m_macroFilePath = QByteArray(macroPath);
    m_macroIndex = 0;
    m_playCount = 1;
    m_playMode = DMacroKeyBinding::kPlayOnce;

    const QSignalBlocker comboBlocker(m_ui->comboBox_Macro);
    const QSignalBlocker countBlocker(m_ui->lineEdit_playMany);
    m_ui->radioButton_playOne->setChecked(true);
    m_ui->lineEdit_playMany->setText(QStringLiteral("1"));
    m_ui->lineEdit_playMany->setEnabled(false);

    m_ui->comboBox_Macro->clear();
    m_macroNames.clear();
    std::list<macroNodeInfo> macros;
    if (!m_macroFilePath.isEmpty() && COrvaneXML_SelectMacroAllNodes(m_macroFilePath.constData(), &macros)) {
        for (const macroNodeInfo& macro : macros) {
            const QString index = QString::fromStdString(macro.index);
            const QString name = QString::fromStdString(macro.name);
            m_ui->comboBox_Macro->addItem(name, index);
            m_macroNames.insert(index.toInt(), name);
        }
    }
    // Nothing is bound until the user picks a macro: the list starts empty.
    m_ui->comboBox_Macro->setCurrentIndex(-1);

    keyOperateInfo info;
    if (!m_store.load(&info) || DKeyFunctionStore::typeOf(info) != DKeyFunctionType::kMacro)
        return;
    const int mode = DFixedText::number(info.paramB);
    const int count = DFixedText::number(info.paramA);
    const int macro = DFixedText::number(info.value);
    QRadioButton* const modeButtons[] = {m_ui->radioButton_playOne, m_ui->radioButton_playMany,
                                         m_ui->radioButton_playKeyPressRelStop, m_ui->radioButton_playWhellKeyPress};
    if (mode >= DMacroKeyBinding::kPlayOnce && mode <= DMacroKeyBinding::kPlayWhileHeld)
        modeButtons[mode - 1]->setChecked(true);
    if (mode == DMacroKeyBinding::kPlayCount) {
        m_ui->lineEdit_playMany->setText(DFixedText::utf8(info.paramA));
        m_ui->lineEdit_playMany->setEnabled(true);
    }
    // Found by index, not by name: two macros may share a name.
    const int item = m_ui->comboBox_Macro->findData(QString::number(macro));
    if (m_macroNames.contains(macro) && item >= 0)
        m_ui->comboBox_Macro->setCurrentIndex(item);
    // A macro the file lacks stays bound: the profile plays its own copy.
    m_macroIndex = macro;
    m_playCount = count >= DMacroKeyBinding::kMinCount && count <= DMacroKeyBinding::kMaxCount ? count : 1;
    m_playMode = mode >= DMacroKeyBinding::kPlayOnce && mode <= DMacroKeyBinding::kPlayWhileHeld
                     ? mode
                     : int(DMacroKeyBinding::kPlayOnce);
}

void DMacroCmdPage::on_radioButton_playOne_clicked()
{
    m_ui->lineEdit_playMany->setEnabled(false);
    m_playMode = DMacroKeyBinding::kPlayOnce;
    applyPlayMode();
}

void DMacroCmdPage::on_radioButton_playMany_clicked()
{
    m_ui->lineEdit_playMany->setEnabled(true);
    m_playMode = DMacroKeyBinding::kPlayCount;
    applyPlayMode();
}

void DMacroCmdPage::on_radioButton_playKeyPressRelStop_clicked()
{
    m_ui->lineEdit_playMany->setEnabled(false);
    m_playMode = DMacroKeyBinding::kPlayToggle;
    applyPlayMode();
}

void DMacroCmdPage::on_radioButton_playWhellKeyPress_clicked()
{
    m_ui->lineEdit_playMany->setEnabled(false);
    m_playMode = DMacroKeyBinding::kPlayWhileHeld;
    applyPlayMode();
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString& text)
{
    // Half-typed counts (empty, 0, 256 to 999) are not stored; the last
    // count the keyboard can play stays.
    const int count = countOf(text);
    if (count == 0)
        return;
    m_playCount = count;
    applyPlayMode();
}

void DMacroCmdPage::on_comboBox_Macro_currentIndexChanged(const QString&) { }

void DMacroCmdPage::onComboxActivated(int)
{
    m_macroIndex = m_ui->comboBox_Macro->currentData().toInt();
    applyPlayMode();
}

void DMacroCmdPage::applyPlayMode()
{
    if (m_ui->radioButton_playOne->isChecked()) {
        m_playMode = DMacroKeyBinding::kPlayOnce;
        saveMacroBinding(1, m_playMode, m_macroIndex);
    } else if (m_ui->radioButton_playMany->isChecked()) {
        m_playMode = DMacroKeyBinding::kPlayCount;
        if (const int count = countOf(m_ui->lineEdit_playMany->text()))
            m_playCount = count;
        saveMacroBinding(m_playCount, m_playMode, m_macroIndex);
    } else if (m_ui->radioButton_playKeyPressRelStop->isChecked()) {
        m_playMode = DMacroKeyBinding::kPlayToggle;
        saveMacroBinding(1, m_playMode, m_macroIndex);
    } else if (m_ui->radioButton_playWhellKeyPress->isChecked()) {
        m_playMode = DMacroKeyBinding::kPlayWhileHeld;
        saveMacroBinding(1, m_playMode, m_macroIndex);
    }
}

void DMacroCmdPage::saveMacroBinding(int count, int mode, int macroIndex)
{
    // A play mode chosen before the macro waits for the macro: the first
    // macro of the list is no choice of the user's.
    if (macroIndex < 1) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kMacroFunctionCode, m_ui->comboBox_Macro->count() > 0
                                                                                   ? DKeyFunctionPages::kNoMacroChosen
                                                                                   : DKeyFunctionPages::kNoMacro);
        return;
    }
    if (!DMacroKeyBinding::bind(m_store, m_macroFilePath, mode, count, macroIndex)) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kMacroFunctionCode, DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    m_macroIndex = macroIndex;
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}
