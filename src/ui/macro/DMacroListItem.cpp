#include "ui/macro/DMacroListItem.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui_DMacroListItem.h"

#include <QMouseEvent>

namespace {

constexpr char kNameStyle[] = "QLabel#label_MacroName{ color: rgb(%1); font: 75 10pt \"%2\"; }";
constexpr char kLineEditStyle[]
    = "QLineEdit{ color: rgb(%1); font: 75 12pt \"%2\"; background-color: rgba(%3,0); border: 0px solid rgb(%4); }"
      "QLineEdit:hover{ border: 0px solid rgb(%5); }"
      "QLineEdit:pressed{ border: 0px solid rgb(%5); }";
constexpr char kSelectedStyle[] = "QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
                                  "QFrame#frame_5{background-color: rgb(%2); }";
constexpr char kUnselectedStyle[] = "QFrame#frame_5{ border: none; border-bottom: 1px solid rgb(%1);} "
                                    "QFrame#frame_5:hover{\tbackground-color: rgb(%2); }";

constexpr int kPopupWidth = 160;
constexpr int kPopupHeight = 130;
constexpr int kPopupArrowX = 73;
// The arrow's tip lies this far right of and below the bubble's corner.
constexpr QPoint kPopupTipOffset(80, 20);

// The red, green and blue of a theme colour, for a fill of its own alpha.
QString withoutAlpha(const QString& colour)
{
    return colour.section(QLatin1Char(','), 0, 2);
}

} // namespace

DMacroListItem::DMacroListItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DMacroListItem)
{
    m_ui->setupUi(this);
    setFixedHeight(46);
    m_ui->label_BindingStatus->hide();
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);

    const themeColorData theme = DDataManager::getInstance()->themeColors();
    m_borderColor = theme.macroBorderColor;
    m_selectedBgColor = theme.macroListItemSelectedColor;
    m_hoverBgColor = theme.macroListItemHoverColor;
    m_ui->label_MacroName->setStyleSheet(
        DThemeColor::fillStyleSheet(QString::fromLatin1(kNameStyle), {theme.macroListItemTextColor, theme.textFont}));
    m_ui->lineEdit_MacroName->setStyleSheet(DThemeColor::fillStyleSheet(
        QString::fromLatin1(kLineEditStyle), {theme.textDefaultColor, theme.textFont, withoutAlpha(m_selectedBgColor),
                                              m_borderColor, theme.textCheckedColor}));
    setSelected(false);
}

DMacroListItem::~DMacroListItem()
{
    delete m_ui;
}

void DMacroListItem::setMacroFilePath(const char* path)
{
    m_macroFile = DMacroFile(QByteArray(path ? path : ""));
}

void DMacroListItem::setData(QString index, QString name)
{
    m_macroIndex = index;
    m_macroName = name;
    m_ui->label_MacroName->setText(name);
}

void DMacroListItem::setSelected(bool on)
{
    m_ui->frame_5->setStyleSheet(
        DThemeColor::fillStyleSheet(QString::fromLatin1(on ? kSelectedStyle : kUnselectedStyle),
                                    {m_borderColor, on ? m_selectedBgColor : m_hoverBgColor}));
}

void DMacroListItem::mousePressEvent(QMouseEvent* event)
{
    emit sigMacroItemMouseClicked(m_macroIndex, m_macroName);
    event->accept();
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The press of the double-click already reported a click.
    onMacroModifyNanme();
    event->accept();
}

void DMacroListItem::onCloseMenuWidow()
{
    if (m_menuPopup)
        m_menuPopup->hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroModifyNanme()
{
    m_ui->lineEdit_MacroName->setText(m_macroName);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_ModifyName);
    m_ui->lineEdit_MacroName->setFocus();
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    // One bubble per row, built on first use and shown again after.
    if (!m_menuPopup) {
        auto* menu = new macroMenuToolWidget(this);
        connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
        connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
        connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
        connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);
        m_menuPopup = new ArrowWidget(ArrowWidget::ArrowTop, this);
        m_menuPopup->setPopupSize(kPopupWidth, kPopupHeight);
        m_menuPopup->setArrowX(kPopupArrowX);
        m_menuPopup->setContentWidget(menu);
        // The menu never takes the keyboard from the editor, so the name
        // field its "Modify Name" opens, and every other field, takes typing
        // at once; a click elsewhere closes it.
        m_menuPopup->setClosesOnClickOutside(true);
    }
    const QPushButton* button = m_ui->pushButton_MacroOperate;
    const QPoint tip = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    m_menuPopup->move(tip - kPopupTipOffset);
    m_menuPopup->show();
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString name = m_ui->lineEdit_MacroName->text();
    if (name.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    if (!m_macroFile.rename(m_macroIndex, name)) {
        emit sigModifyMacroItemNameFailed();
        return;
    }
    m_ui->label_MacroName->setText(name);
    m_macroName = name;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
}
