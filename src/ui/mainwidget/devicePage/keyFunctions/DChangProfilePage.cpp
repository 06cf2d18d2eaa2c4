#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"
#include "ui_DChangProfilePage.h"

#include "app/DFixedText.h"
#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include <QListView>
#include <QSignalBlocker>

#include <list>

DChangProfilePage::DChangProfilePage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DChangProfilePage)
{
    m_ui->setupUi(this);
    m_ui->label_2->setText(QObject::tr("Assign Profile"));
    // Every pick stores, also of the entry shown: a key whose target profile
    // is gone shows the first one, and picking it must mend the key.
    // A list view, so the list's rows take the height the style sheet gives.
    m_ui->comboBox_Profile->setView(new QListView(m_ui->comboBox_Profile));
    connect(m_ui->comboBox_Profile, QOverload<int>::of(&QComboBox::activated), this,
            &DChangProfilePage::onComboxActivated);
}

DChangProfilePage::~DChangProfilePage()
{
    delete m_ui;
}

void DChangProfilePage::retranslate()
{
    m_ui->retranslateUi(this);
}

void DChangProfilePage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    const QSignalBlocker blocker(m_ui->comboBox_Profile);
    m_ui->comboBox_Profile->clear();
    m_profileNames.clear();
    std::list<profileNodeInfo> profiles;
    if (m_store.hasFile() && COrvaneXML_SelectProFileAllNodes(m_store.path(), &profiles)) {
        for (const profileNodeInfo& profile : profiles) {
            const QString index = QString::fromStdString(profile.index);
            const QString name = QString::fromStdString(profile.name);
            m_ui->comboBox_Profile->addItem(name, index);
            m_profileNames.insert(index.toInt(), name);
        }
    }
    m_ui->comboBox_Profile->setCurrentIndex(0);

    keyOperateInfo info;
    if (!m_store.load(&info) || DKeyFunctionStore::typeOf(info) != DKeyFunctionType::kProfileSwitch)
        return;
    const int target = DFixedText::number(info.value);
    const int item = m_ui->comboBox_Profile->findData(QString::number(target));
    if (m_profileNames.contains(target) && item >= 0)
        m_ui->comboBox_Profile->setCurrentIndex(item);
}

void DChangProfilePage::on_comboBox_Profile_currentIndexChanged(const QString&) { }

void DChangProfilePage::onComboxActivated(int)
{
    saveProfileSwitch();
}

void DChangProfilePage::saveProfileSwitch()
{
    const int target = m_ui->comboBox_Profile->currentData().toInt();
    if (target < 1)
        return;
    if (!m_store.save(DKeyFunctionType::kProfileSwitch, "1", "1", QByteArray::number(target))) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kProfileSwitchFunctionCode,
                                        DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}
