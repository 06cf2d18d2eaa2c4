#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"
#include "ui_DSeniorKeysBindingPage.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "profiles/DKeyFunctionType.h"
#include "profiles/DSeniorKeyRecords.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include <QListView>
#include <QSignalBlocker>

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DSeniorKeysBindingPage)
{
    m_ui->setupUi(this);
    m_ui->label_2->setText(QObject::tr("Senior Keys"));
    // A list view, so the list's rows take the height the style sheet gives.
    m_ui->comboBox_SeniorKeys->setView(new QListView(m_ui->comboBox_SeniorKeys));
    connect(m_ui->comboBox_SeniorKeys, QOverload<int>::of(&QComboBox::activated), this,
            &DSeniorKeysBindingPage::onComboxActivated);
}

DSeniorKeysBindingPage::~DSeniorKeysBindingPage()
{
    delete m_ui;
}

void DSeniorKeysBindingPage::retranslate()
{
    m_ui->label_2->setText(QObject::tr("Senior Keys"));
}

void DSeniorKeysBindingPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copySeniorKeyFilePath(path);

    const QSignalBlocker blocker(m_ui->comboBox_SeniorKeys);
    m_ui->comboBox_SeniorKeys->clear();
    DSeniorKeyRecords records{QByteArray(path)};
    if (path[0] != '\0' && records.load()) {
        // The map lists them in index order.
        for (const seniorKeyInfoStu& record : records.records())
            m_ui->comboBox_SeniorKeys->addItem(DFixedText::utf8(record.name), QString::number(record.index));
    }
    m_ui->comboBox_SeniorKeys->setCurrentIndex(0);

    keyOperateInfo info;
    if (!m_store.load(&info) || DKeyFunctionStore::typeOf(info) != DKeyFunctionType::kAdvancedKey)
        return;
    // By index, not by name: two advanced keys may share a name.
    const int item = m_ui->comboBox_SeniorKeys->findData(QString::number(DFixedText::number(info.value)));
    if (item >= 0)
        m_ui->comboBox_SeniorKeys->setCurrentIndex(item);
}

void DSeniorKeysBindingPage::on_comboBox_SeniorKeys_currentIndexChanged(const QString&) { }

void DSeniorKeysBindingPage::onComboxActivated(int)
{
    const int chosen = m_ui->comboBox_SeniorKeys->currentData().toInt();
    if (chosen < 1)
        return;
    m_selectedSeniorKeyIndex = chosen;
    if (!m_store.save(DKeyFunctionType::kAdvancedKey, "1", "1", QByteArray::number(m_selectedSeniorKeyIndex))) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kAdvancedKeyFunctionCode,
                                        DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}
