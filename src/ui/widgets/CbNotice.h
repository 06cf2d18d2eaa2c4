#pragma once

#include "ui/widgets/CbNoticeInterface.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

struct themeColorData;
class QGraphicsOpacityEffect;
class QPropertyAnimation;

// The toast: one line of text in a rounded translucent bubble that stays
// fully visible for a moment, fades out and hides itself.
class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT

public:
    explicit CbNotice(QWidget* parent = nullptr);
    ~CbNotice() override;

    void setBackgroundColor(QColor color);
    void setTextColor(QColor color);
    void setNoticeFont(QFont font);
    void setFontPixelSize(int px);
    // The look every dialog gives its toast: the loaded theme's toast colours
    // (undoing any set above) in the theme's font.
    void setTheme(const themeColorData& theme);
    QString text() const { return m_text; }

signals:
    void sigFinished();

public slots:
    void showNotice() override;
    void showNoticeText(QString text) override;
    void showNoticeTextAt(QString text, QPoint centre) override;

    void onActiveHideAnimation();
    void onHideAnimotionFinish();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void initNotice();
    void placeAndStart(QPoint centre);
    void startNotice();
    int cornerRadius() const;

    int m_noticeHeight = 40;
    int m_visibleMs = 1300;
    int m_fadeMs = 1000;
    // Invalid: the loaded theme's toast colours.
    QColor m_textColor;
    QColor m_backgroundColor;
    QPoint m_anchor;
    QString m_text;
    QPropertyAnimation* m_animation = nullptr;
    QGraphicsOpacityEffect* m_opacityEffect = nullptr;
};
