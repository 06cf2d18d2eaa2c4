#include "ui/widgets/GridColumnFit.h"

#include <QEvent>
#include <QGridLayout>
#include <QVector>
#include <QWidget>

#include <algorithm>

GridColumnFit::GridColumnFit(QGridLayout* grid)
    : QObject(grid->parentWidget())
    , m_grid(grid)
    , m_owner(grid->parentWidget())
{
    for (int i = 0; i < grid->count(); ++i) {
        QWidget* widget = grid->itemAt(i)->widget();
        if (!widget)
            continue;
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        m_cells.append({widget, row, column});
        m_formColumns = std::max(m_formColumns, column + 1);
    }
    std::sort(m_cells.begin(), m_cells.end(), [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    m_placedColumns = m_formColumns;
    m_owner->installEventFilter(this);
}

int GridColumnFit::columnsFor(int width) const
{
    const QMargins margins = m_grid->contentsMargins();
    const int spacing = std::max(0, m_grid->horizontalSpacing());
    for (int columns = m_formColumns; columns > 1; --columns) {
        QVector<int> widest(columns, 0);
        int row = -1;
        int column = 0;
        for (const Cell& cell : m_cells) {
            if (cell.widget->isHidden())
                continue;
            if (cell.row != row || column == columns) {
                row = cell.row;
                column = 0;
            }
            widest[column] = std::max(widest[column], cell.widget->sizeHint().width());
            ++column;
        }
        int needed = margins.left() + margins.right() + spacing * (columns - 1);
        for (int w : widest)
            needed += w;
        if (needed <= width)
            return columns;
    }
    return 1;
}

void GridColumnFit::place(int columns)
{
    for (const Cell& cell : m_cells)
        m_grid->removeWidget(cell.widget);
    int gridRow = -1;
    int formRow = -1;
    int column = 0;
    for (const Cell& cell : m_cells) {
        if (cell.widget->isHidden()) {
            // Out of the way of the visible ones, where it takes no room.
            m_grid->addWidget(cell.widget, cell.row, cell.column);
            continue;
        }
        if (cell.row != formRow || column == columns) {
            ++gridRow;
            formRow = cell.row;
            column = 0;
        }
        m_grid->addWidget(cell.widget, gridRow, column++);
    }
    m_placedColumns = columns;
}

void GridColumnFit::refit()
{
    // The room the grid's widget shows, which inside a scroll area that
    // does not scroll sideways is the view's, not the widget's own width.
    const QWidget* owner = m_owner;
    int width = owner->contentsRect().width();
    int left = 0;
    for (const QWidget* child = owner; child->parentWidget() && !child->isWindow(); child = child->parentWidget()) {
        left += child->x();
        width = std::min(width, child->parentWidget()->width() - left);
    }
    if (owner->layout() && owner->layout() != m_grid) {
        const QMargins outer = owner->layout()->contentsMargins();
        width -= outer.left() + outer.right();
    }
    const int columns = columnsFor(width);
    if (columns != m_placedColumns)
        place(columns);
}

bool GridColumnFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_owner && event->type() == QEvent::Resize && m_grid)
        refit();
    return QObject::eventFilter(watched, event);
}
