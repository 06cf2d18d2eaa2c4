#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui_DSeniorKeyEventListItem.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DThemeColor.h"
#include "profiles/DSeniorKeyRecords.h"

#include <QMouseEvent>

#include <cstring>

DSeniorKeyEventListItem::DSeniorKeyEventListItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DSeniorKeyEventListItem)
{
    std::memset(&m_info, 0, sizeof m_info);
    m_ui->setupUi(this);
    setFixedHeight(45);

    const themeColorData theme = DDataManager::getInstance()->themeColors();
    m_ui->frame_Center->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QLabel{ color: rgb(%1); font-weight: 75; font-size: 8pt; font-family: \"%2\"; "
                       "border: 1px solid rgb(%1); border-radius: 6px; }"),
        {theme.textDefaultColor, theme.textFont}));
}

DSeniorKeyEventListItem::~DSeniorKeyEventListItem()
{
    delete m_ui;
}

void DSeniorKeyEventListItem::setKeyNameMap(QMap<int, QString> map)
{
    m_keyNameMap = map;
}

void DSeniorKeyEventListItem::setData(seniorKeyInfoStu info)
{
    m_info = info;
    QLabel* const labels[]
        = {m_ui->label_SeniorKey01, m_ui->label_SeniorKey02, m_ui->label_SeniorKey03, m_ui->label_SeniorKey04};
    for (QLabel* label : labels)
        label->show();

    // How many slots each kind binds; a kind this program does not know keeps
    // whatever the labels showed and gets no name.
    int shownSlots = 0;
    switch (m_info.type) {
    case DSeniorKeyRecords::kDks:
        shownSlots = 4;
        break;
    case DSeniorKeyRecords::kMt:
        shownSlots = 2;
        break;
    case DSeniorKeyRecords::kTgl:
        shownSlots = 1;
        break;
    default:
        break;
    }
    if (shownSlots == 0) {
        m_ui->label_Type->clear();
        return;
    }
    for (int slot = 0; slot < 4; ++slot) {
        if (slot >= shownSlots) {
            labels[slot]->hide();
            continue;
        }
        const bool keySet = m_info.type != DSeniorKeyRecords::kTgl || m_info.tglKeySet == 1;
        labels[slot]->setText(keySet ? keyDisplayText(QString::fromUtf8(DSeniorKeyRecords::keyText(m_info, slot)))
                                     : QString());
    }
    m_ui->label_Type->setText(DFixedText::local8Bit(m_info.name));
}

void DSeniorKeyEventListItem::setSelected(bool on)
{
    // Both looks replace the form's whole sheet, its 12 pt label rule
    // included, so the name then follows the editor's sheets.
    static const QString kSelected = QStringLiteral(
        "QFrame#frame_BgABC01{ background-color: rgb(30, 30, 55); border: none; border-bottom: 0px solid rgb(%1); "
        "border-radius:6px; } QFrame#frame_BgABC01{background-color: rgb(%2); border-radius:6px; }\n");
    static const QString kUnselected = QStringLiteral(
        "QFrame#frame_BgABC01{ background-color: rgb(%3, 128); border: none; border-bottom: 0px solid rgb(%1); "
        "border-radius:6px; } QFrame#frame_BgABC01:hover{background-color: rgb(%4); border-radius:6px; }\n");
    static const QString kSides
        = QStringLiteral("\tQFrame#frame_Left{ border: none; border-right: 1px solid rgb(%1); }\n"
                         "\tQFrame#frame_Right{ border: none; border-left: 1px solid rgb(%1); }");

    const themeColorData theme = DDataManager::getInstance()->themeColors();
    const QColor area = DThemeColor::fromText(theme.deviceListAreaDefaultBgColor);
    const QStringList values{theme.macroBorderColor, theme.macroListItemSelectedColor,
                             QStringLiteral("%1, %2, %3").arg(area.red()).arg(area.green()).arg(area.blue()),
                             theme.macroListItemHoverColor};
    m_ui->frame_BgABC01->setStyleSheet(DThemeColor::fillStyleSheet((on ? kSelected : kUnselected) + kSides, values));
}

QString DSeniorKeyEventListItem::keyDisplayText(QString keyText) const
{
    return DSeniorKeyRecords::displayText(keyText.toUtf8(), m_keyNameMap);
}

void DSeniorKeyEventListItem::mousePressEvent(QMouseEvent* event)
{
    emit sigSeniorKeyEventItemClick(m_info.index);
    event->accept();
}

void DSeniorKeyEventListItem::on_pushButton_DeleteEvent_clicked()
{
    emit sigDeleteSeniorKeyEventItem(m_info.type, m_info.index);
}
