#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui_DVirtualKeyboardTool.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "ui/mainwidget/devicePage/keyboardView/DSoftKeyboardPage.h"

#include <QLabel>
#include <QToolButton>

namespace {

// Every layout name gives the same US keyboard.
const QString kLayoutName = QStringLiteral("US");

} // namespace

DVirtualKeyboardTool::DVirtualKeyboardTool(int markMode, QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DVirtualKeyboardTool)
{
    m_ui->setupUi(this);
    m_ui->label->setText(QObject::tr("Virtual Keyboard"));
    m_listening = new QLabel(m_ui->frame_255);
    m_listening->setObjectName(QStringLiteral("label_Listening"));
    m_listening->setText(QObject::tr("Listening: press a key, or pick one below"));
    // Long in some languages: it takes two lines rather than the room of
    // the notice beside it.
    m_listening->setWordWrap(true);
    m_ui->horizontalLayout->addSpacing(16);
    m_ui->horizontalLayout->addWidget(m_listening, 1);
    m_captureScope = new QLabel(m_ui->frame_255);
    m_captureScope->setObjectName(QStringLiteral("label_CaptureScope"));
    m_captureScope->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ui->horizontalLayout->addWidget(m_captureScope);
    showCaptureScope();
    m_stopListening = new QToolButton(m_ui->frame_255);
    m_stopListening->setObjectName(QStringLiteral("toolButton_StopListening"));
    m_stopListening->setText(QStringLiteral("\u2715"));
    m_stopListening->setAutoRaise(true);
    m_stopListening->setCursor(Qt::PointingHandCursor);
    m_stopListening->setFocusPolicy(Qt::NoFocus);
    m_ui->horizontalLayout->addWidget(m_stopListening);
    connect(m_stopListening, &QToolButton::clicked, this, &DVirtualKeyboardTool::sigStopListeningClicked);
    m_softKeyboard = new DSoftKeyboardPage(m_ui->frame_SoftKeyboard);
    m_softKeyboard->setMarkMode(markMode);
    connect(m_softKeyboard, &DSoftKeyboardPage::sigSoftKeyboardClicked, this,
            &DVirtualKeyboardTool::onSoftKeyboardClicked);
    m_softKeyboard->loadKeyboardInfo(kLayoutName);
    m_ui->horizontalLayout_2->addWidget(m_softKeyboard);
}

DVirtualKeyboardTool::~DVirtualKeyboardTool()
{
    delete m_ui;
}

void DVirtualKeyboardTool::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label->setText(QObject::tr("Virtual Keyboard"));
    m_listening->setText(QObject::tr("Listening: press a key, or pick one below"));
    showCaptureScope();
}

void DVirtualKeyboardTool::showEvent(QShowEvent* event)
{
    // The hook's reach is known for sure only once its source exists.
    showCaptureScope();
    QWidget::showEvent(event);
}

void DVirtualKeyboardTool::showCaptureScope()
{
    const QString notice = WindowsHookInterface::captureScopeNotice();
    m_captureScope->setText(notice);
    m_captureScope->setVisible(!notice.isEmpty());
}

void DVirtualKeyboardTool::setTheme()
{
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    m_ui->label->setFont(font);
    QFont noticeFont = font;
    noticeFont.setPointSize(10);
    m_captureScope->setFont(noticeFont);
    m_listening->setFont(noticeFont);
    QFont closeFont = font;
    closeFont.setPointSize(14);
    m_stopListening->setFont(closeFont);
    m_softKeyboard->setTheme();
}

void DVirtualKeyboardTool::setMarkEnabled(bool enabled)
{
    m_softKeyboard->setMarkEnabled(enabled);
}

void DVirtualKeyboardTool::markKey(int keyDec)
{
    m_softKeyboard->markKey(keyDec);
}

void DVirtualKeyboardTool::clearMarkedKeys()
{
    m_softKeyboard->clearMarkedKeys();
}

void DVirtualKeyboardTool::onSoftKeyboardClicked(int keyDec, const QString&)
{
    emit sigSoftKeyboardClicked_VirtualKB(keyDec);
}
