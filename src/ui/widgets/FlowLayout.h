#pragma once

#include <QLayout>
#include <QList>
#include <QStyle>

// Places items left to right and starts a new row when the width runs out.
class FlowLayout : public QLayout
{
public:
    // A spacing of -1 takes the spacing from the style.
    explicit FlowLayout(QWidget* parent = nullptr, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int horizontalSpacing() const;
    int verticalSpacing() const;
    int doLayout(const QRect& rect, bool testOnly) const;
    int smartSpacing(QStyle::PixelMetric pm) const;
    int itemSpacing(QLayoutItem* item, int fixed, Qt::Orientation orientation) const;

    QList<QLayoutItem*> m_items;
    int m_hSpacing;
    int m_vSpacing;
};
