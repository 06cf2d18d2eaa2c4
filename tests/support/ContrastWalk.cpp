#include "support/ContrastWalk.h"

#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QFontInfo>
#include <QIcon>
#include <QLabel>
#include <QMovie>

#include <functional>

namespace ContrastWalk {

namespace {

using ContrastRatio::contrast;

// Texts and icons are drawn this many times larger to be measured: the one-
// pixel strokes of small glyphs ("I", ".") cover no pixel whole at their
// size, so anti-aliasing alone would make them look paler than their ink.
constexpr int kScale = 3;

struct Measure
{
    QColor ink;
    QColor paper;
    double ratio = 0;
    bool found = false;
};

// Of the pixels that differ between the two drawings, the one that stands
// out most from what the plain drawing has there.
Measure strongestChange(const QImage& plain, const QImage& marked)
{
    Measure best;
    if (plain.size() != marked.size())
        return best;
    for (int y = 0; y < plain.height(); ++y) {
        const auto* under = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        const auto* over = reinterpret_cast<const QRgb*>(marked.constScanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            if (under[x] == over[x])
                continue;
            const double ratio = contrast(QColor(over[x]), QColor(under[x]));
            if (!best.found || ratio > best.ratio) {
                best = {QColor(over[x]), QColor(under[x]), ratio, true};
            }
        }
    }
    return best;
}

// The pixel of `area` that stands out most from the colour most of it has.
Measure strongestInArea(const QImage& image, const QRect& area)
{
    Measure best;
    const QRect inside = area & image.rect();
    if (inside.isEmpty())
        return best;
    best.paper = RenderedLook::mostCommon(image, inside);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const double ratio = contrast(QColor(line[x]), best.paper);
            if (!best.found || ratio > best.ratio)
                best = {QColor(line[x]), best.paper, ratio, true};
        }
    }
    return best;
}

bool isLarge(const QWidget* widget)
{
    const QFontInfo font(widget->font());
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    return points >= 18 || (points >= 14 && font.weight() >= QFont::Bold);
}

// Drawn at all: shown, with a part inside every ancestor, and usable.
bool onScreen(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled() && !widget->visibleRegion().isEmpty();
}

class Walker
{
public:
    Result result;

    void measureChange(QWidget* widget, const QString& what, double needed, const std::function<void()>& remove,
                       const std::function<void()>& restore)
    {
        remove();
        const QImage plain = RenderedLook::image(widget, kScale);
        restore();
        const QImage marked = RenderedLook::image(widget, kScale);
        const Measure m = strongestChange(plain, marked);
        // Nothing changed: the text is covered by something on top.
        if (!m.found)
            return;
        add(widget, what, m, needed);
    }

    void add(const QWidget* widget, const QString& what, const Measure& m, double needed)
    {
        ++result.measured;
        if (m.ratio < needed)
            result.unreadable << Finding{pathOf(widget), what, m.ink, m.paper, m.ratio, needed};
    }

    void label(QLabel* label)
    {
        const QString text = label->text();
        if (text.trimmed().isEmpty() || (label->pixmap() && !label->pixmap()->isNull()) || label->movie())
            return;
        measureChange(
            label, textWhat(text), isLarge(label) ? ContrastRatio::kLarge : ContrastRatio::kText,
            [&] { label->setText(QString()); }, [&] { label->setText(text); });
    }

    void button(QAbstractButton* button)
    {
        const QString text = button->text();
        if (!text.trimmed().isEmpty()) {
            measureChange(
                button, textWhat(text), isLarge(button) ? ContrastRatio::kLarge : ContrastRatio::kText,
                [&] { button->setText(QString()); }, [&] { button->setText(text); });
        }
        const QIcon icon = button->icon();
        if (!icon.isNull()) {
            measureChange(
                button, QStringLiteral("icon"), ContrastRatio::kLarge, [&] { button->setIcon(QIcon()); },
                [&] { button->setIcon(icon); });
        }
    }

    void cells(QAbstractItemView* view)
    {
        QAbstractItemModel* model = view->model();
        QWidget* viewport = view->viewport();
        if (!model || !onScreen(viewport))
            return;
        const QImage image = RenderedLook::image(viewport);
        const double needed = isLarge(view) ? ContrastRatio::kLarge : ContrastRatio::kText;
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
                const QModelIndex index = model->index(row, column, view->rootIndex());
                const QString text = index.data(Qt::DisplayRole).toString();
                // A cell showing a widget has that widget measured instead.
                if (text.trimmed().isEmpty() || view->indexWidget(index))
                    continue;
                const QRect area = view->visualRect(index) & viewport->rect();
                if (area.isEmpty())
                    continue;
                const Measure m = strongestInArea(image, area);
                if (m.found)
                    add(viewport, QStringLiteral("cell \"%1\"").arg(text.left(40)), m, needed);
            }
        }
    }

private:
    static QString textWhat(const QString& text)
    {
        QString shown = text.simplified();
        if (shown.size() > 40)
            shown = shown.left(39) + QChar(0x2026);
        return QStringLiteral("text \"%1\"").arg(shown);
    }
};

} // namespace

QString Finding::describe() const
{
    return QStringLiteral("%1 %2: %3 on %4 is %5:1, needs %6:1")
        .arg(path, what, ink.name(), paper.name())
        .arg(ratio, 0, 'f', 2)
        .arg(needed, 0, 'f', 1);
}

QString pathOf(const QWidget* widget)
{
    QStringList parts;
    for (const QWidget* at = widget; at; at = at->isWindow() ? nullptr : at->parentWidget()) {
        if (!at->objectName().isEmpty())
            parts.prepend(at->objectName());
        else if (at == widget || at->isWindow())
            parts.prepend(QString::fromLatin1(at->metaObject()->className()));
    }
    return parts.join(QLatin1Char('/'));
}

Result walk(QWidget* root)
{
    Walker walker;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        // A dialog or pop-up of its own is a window walked on its own.
        if (widget->window() != root->window() || !onScreen(widget))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            walker.label(label);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            walker.button(button);
        else if (auto* view = qobject_cast<QAbstractItemView*>(widget))
            walker.cells(view);
    }
    return walker.result;
}

} // namespace ContrastWalk
