#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "app/WindowsHookInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>

DCustomKeysPage::DCustomKeysPage(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->addStretch();
    m_loadingLabel = new QLabel(this);
    m_loadingLabel->setObjectName(QStringLiteral("label_Loading"));
    m_loadingMovie = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), this);
    m_loadingLabel->setMovie(m_loadingMovie);
    m_loadingLabel->hide();
    layout->addWidget(m_loadingLabel);
    m_downloadButton = new QPushButton(this);
    m_downloadButton->setObjectName(QStringLiteral("pushButton_Download"));
    m_downloadButton->setMinimumSize(120, 30);
    layout->addWidget(m_downloadButton);
    connect(m_downloadButton, &QPushButton::clicked, this, &DCustomKeysPage::on_pushButton_Download_clicked);
    retranslate();
}

void DCustomKeysPage::retranslate()
{
    m_downloadButton->setText(tr("Download"));
}

void DCustomKeysPage::setTheme()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    m_downloadButton->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral(
            "QPushButton#pushButton_Download{ border: 2px solid rgb(%1); border-radius: 8px; color: rgb(%2); }"
            "QPushButton#pushButton_Download:hover{ border: 2px solid rgb(%3); }"),
        {theme.deviceBorderColor, theme.textDefaultColor, theme.textCheckedColor}));
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_downloadRunning)
        return;
    m_downloadRunning = true;
    m_loadingMovie->start();
    m_loadingLabel->show();
    emit sigTheKeyboardIntoDownloading();
}

void DCustomKeysPage::stopDownloadAnimation()
{
    m_downloadRunning = false;
    m_loadingMovie->stop();
    m_loadingLabel->hide();
}

void DCustomKeysPage::setKeyboardHookEnabled(bool on, int)
{
    constexpr int kPassThroughMode = 5;
    if (!m_hook)
        m_hook = new WindowsHookInterface(this);
    m_hook->stopHook();
    m_keyboardHookOn = on && m_hook->startHook(kPassThroughMode);
}

void DCustomKeysPage::initPageState(int layer)
{
    m_shownLayer = layer;
    DDataManager::getInstance()->clearCurrentKey();
}
