#include "support/TextFit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionToolButton>
#include <QTextDocument>
#include <QToolButton>
#include <QtMath>

namespace {

// Wider than any text, so that no style minimum (Fusion's 80-pixel push
// button) hides in the frame the style puts around it.
constexpr int kWideContent = 4000;

QString shownText(QString text)
{
    // "&&" is a literal ampersand, a single "&" marks the accelerator.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int textWidth(const QWidget* widget, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, widget->fontMetrics().horizontalAdvance(line));
    return widest;
}

// How much of the widget's width its ancestors leave visible, up to the
// window: a widget placed partly outside its parent is cut there.
int visibleWidth(const QWidget* widget)
{
    int left = 0;
    int right = widget->width();
    QPoint offset(0, 0);
    for (const QWidget* child = widget; child->parentWidget() && !child->isWindow(); child = child->parentWidget()) {
        offset += child->pos();
        const QWidget* parent = child->parentWidget();
        left = qMax(left, -offset.x());
        right = qMin(right, parent->width() - offset.x());
    }
    return qMax(0, right - left);
}

QString describe(const QWidget* widget, const QString& text, int needed, int available, const char* unit)
{
    return QStringLiteral("%1 (%2) \"%3\": needs %4 px %5, has %6, %7 px missing")
        .arg(widget->objectName(), QLatin1String(widget->metaObject()->className()), text)
        .arg(needed)
        .arg(QLatin1String(unit))
        .arg(available)
        .arg(needed - available);
}

// How much of the widget's height its ancestors leave visible; all of it
// inside a scroll area, which scrolls it into view.
int visibleHeight(const QWidget* widget)
{
    int top = 0;
    int bottom = widget->height();
    QPoint offset(0, 0);
    for (const QWidget* child = widget; child->parentWidget() && !child->isWindow(); child = child->parentWidget()) {
        const QWidget* parent = child->parentWidget();
        if (qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
            return widget->height();
        offset += child->pos();
        top = qMax(top, -offset.y());
        bottom = qMin(bottom, parent->height() - offset.y());
    }
    return qMax(0, bottom - top);
}

// A text whose widget is partly hidden below or above by an ancestor.
void checkHeight(const QWidget* widget, const QString& text, QStringList* found)
{
    const int needed = qMin(widget->height(), widget->sizeHint().height());
    const int shown = visibleHeight(widget);
    if (shown < needed)
        *found << describe(widget, text, needed, shown, "high (cut by an ancestor)");
}

// The room of the text: the widget's width less what the style puts
// around a text (frame, padding, indicator), measured with a text so wide
// that no style minimum applies.
int frameAround(const QAbstractButton* button)
{
    const QSize wide(kWideContent, button->fontMetrics().height());
    if (auto* tool = qobject_cast<const QToolButton*>(button)) {
        QStyleOptionToolButton option;
        option.initFrom(tool);
        option.text = tool->text();
        option.toolButtonStyle = Qt::ToolButtonTextOnly;
        return tool->style()->sizeFromContents(QStyle::CT_ToolButton, &option, wide, tool).width() - kWideContent;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::ContentsType type = QStyle::CT_PushButton;
    if (qobject_cast<const QCheckBox*>(button))
        type = QStyle::CT_CheckBox;
    else if (qobject_cast<const QRadioButton*>(button))
        type = QStyle::CT_RadioButton;
    else if (auto* push = qobject_cast<const QPushButton*>(button); push && push->isFlat())
        option.features |= QStyleOptionButton::Flat;
    int extra = 0;
    if (!button->icon().isNull())
        extra = button->iconSize().width() + 4;
    return button->style()->sizeFromContents(type, &option, wide, button).width() - kWideContent + extra;
}


void checkLabel(const QLabel* label, QStringList* found)
{
    if (label->text().isEmpty() || label->pixmap() || label->movie())
        return;
    const int margins = label->width() - label->contentsRect().width() + 2 * label->margin()
                        + (label->indent() > 0 ? label->indent() : 0);
    const int room = qMin(label->width(), visibleWidth(label)) - margins;
    const bool rich
        = label->textFormat() == Qt::RichText
          || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    QString plain = label->text();
    int richWidth = -1;
    if (rich) {
        // Rich text sets its own sizes: measure it as laid out.
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        plain = document.toPlainText();
        richWidth = qCeil(document.idealWidth());
    }
    if (label->wordWrap()) {
        // A word longer than the line cannot be broken (Chinese and
        // Japanese break between any two characters).
        for (const QString& word : plain.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            const bool breaksAnywhere = std::any_of(word.cbegin(), word.cend(), [](QChar c) {
                return c.script() == QChar::Script_Han || c.script() == QChar::Script_Hiragana
                       || c.script() == QChar::Script_Katakana;
            });
            const int needed = textWidth(label, word);
            if (!breaksAnywhere && needed > room) {
                *found << describe(label, plain, needed, room, "wide (one word)");
                return;
            }
        }
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height())
            *found << describe(label, plain, needed, label->height(), "high");
        return;
    }
    const int needed = rich ? richWidth : textWidth(label, plain);
    if (needed > room)
        *found << describe(label, plain, needed, room, "wide");
    checkHeight(label, plain, found);
}

void checkButton(const QAbstractButton* button, QStringList* found)
{
    if (button->text().isEmpty())
        return;
    if (auto* tool = qobject_cast<const QToolButton*>(button); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return;
    const QString text = shownText(button->text());
    const int needed = textWidth(button, text);
    const int room = qMin(button->width(), visibleWidth(button)) - frameAround(button);
    if (needed > room)
        *found << describe(button, text, needed, room, "wide");
    checkHeight(button, text, found);
}

void checkPlaceholder(const QLineEdit* field, QStringList* found)
{
    if (!field->text().isEmpty() || field->placeholderText().isEmpty())
        return;
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QSize wide(kWideContent, field->fontMetrics().height());
    const QMargins text = field->textMargins();
    const QMargins contents = field->contentsMargins();
    // QLineEdit keeps two pixels on either side of its text.
    const int frame = field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, wide, field).width() - kWideContent
                      + text.left() + text.right() + contents.left() + contents.right() + 2 * 2;
    const int needed = textWidth(field, field->placeholderText());
    const int room = qMin(field->width(), visibleWidth(field)) - frame;
    if (needed > room)
        *found << describe(field, field->placeholderText(), needed, room, "wide (placeholder)");
}

} // namespace

QStringList textsThatDoNotFit(QWidget* window)
{
    QStringList found;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* widget : qAsConst(widgets)) {
        if (!widget->isVisible())
            continue;
        if (auto* label = qobject_cast<const QLabel*>(widget))
            checkLabel(label, &found);
        else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            checkButton(button, &found);
        else if (auto* field = qobject_cast<const QLineEdit*>(widget))
            checkPlaceholder(field, &found);
    }
    return found;
}
