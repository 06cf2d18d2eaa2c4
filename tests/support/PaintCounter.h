#pragma once

#include <QObject>

// Counts the paint events the watched widgets get.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QObject* watched = nullptr);

    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
