#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui_DSeniorKeyEventListItem.h"

#include "app/DFixedText.h"
#include "app/DKeySlotText.h"
#include "profiles/DSeniorKeyRecords.h"
#include "ui/widgets/DAppStyle.h"

#include <QMouseEvent>
#include <QVariant>

#include <cstring>

namespace {

// The slot shows as much of its combination as fits inside its border, the
// whole of it in the tip when some is left out.
constexpr int kSlotPadding = 8;

void showKey(QLabel* label, const QString& text)
{
    DKeySlotText::showOn(label, text, kSlotPadding);
}

} // namespace

DSeniorKeyEventListItem::DSeniorKeyEventListItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DSeniorKeyEventListItem)
{
    std::memset(&m_info, 0, sizeof m_info);
    m_ui->setupUi(this);
    setFixedHeight(45);
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
        showKey(labels[slot],
                keySet ? keyDisplayText(QString::fromUtf8(DSeniorKeyRecords::keyText(m_info, slot))) : QString());
    }
    m_ui->label_Type->setText(DFixedText::local8Bit(m_info.name));
}

void DSeniorKeyEventListItem::setSelected(bool on)
{
    DAppStyle::setState(m_ui->frame_BgABC01, "selected", on);
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
