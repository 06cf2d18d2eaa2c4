#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QGridLayout;
class QWidget;

// Keeps a grid of option buttons within the width its widget has: when the
// texts of a language are too wide for the form's columns, each row of the
// form is split over as many grid rows as it needs, in fewer columns. The
// buttons keep their order; hidden ones keep their place and take no room.
class GridColumnFit : public QObject
{
    Q_OBJECT

public:
    // Follows the width of the grid's widget from now on.
    explicit GridColumnFit(QGridLayout* grid);

    // Lays the grid out again for the current texts and width.
    void refit();

    // The most columns (up to the form's) whose widest texts fit `width`.
    int columnsFor(int width) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell
    {
        QWidget* widget;
        int row;
        int column;
    };
    void place(int columns);

    // The grid goes before its widget, whose last events still pass here.
    QPointer<QGridLayout> m_grid;
    QWidget* m_owner;
    QList<Cell> m_cells;
    int m_formColumns = 1;
    int m_placedColumns = 0;
};
