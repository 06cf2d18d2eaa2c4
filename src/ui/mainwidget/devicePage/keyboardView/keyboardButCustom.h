#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QToolButton>

// A key cap of the keyboard picture: it draws only the markings of the key's
// state (hover, current key, stored function, not remappable, LED colour,
// calibration) over the picture. Given the part of the picture it covers
// (setBackdrop), it draws that part itself and is opaque, so a cap that
// changes colour repaints alone and the picture and page beneath stay as
// they are; without one it is see-through.
class keyboardButCustom : public QToolButton
{
    Q_OBJECT
public:
    explicit keyboardButCustom(QWidget* parent = nullptr);
    ~keyboardButCustom() override;

    void setFixedKeySize(int w, int h);
    void setKeyPosition(int x, int y);
    void setKeyInfo(int keyCode, QString label);
    void setGridIndex(int row, int column);
    int getRowIndex() const { return m_rowIndex; }
    int getColumnIndex() const { return m_columnIndex; }
    int keyCode() const { return m_keyCode; }
    QString keyLabel() const { return m_keyLabel; }
    // The names the device side and the application core use for the same two.
    int getKeyDec() const { return m_keyCode; }
    QString getKeyLabel() const { return m_keyLabel; }
    QPoint keyPosition() const { return m_position; }

    void setSpecialEnterShape(int shape);
    void setSpecialEnter(bool special);
    void setSpecialEnterNotch(int x, int y);
    bool isSpecialEnter() const { return m_specialEnter; }
    QPoint enterNotch() const { return QPoint(m_notchX, m_notchY); }

    void setHoverStatus(bool hover);
    void setSelectedStatus(bool selected);
    void setClickedStatus(bool clicked, bool repaint);
    void setCustomizedStatus(bool customized);
    bool isHovered() const { return m_hover; }
    bool isSelected() const { return m_selected; }
    bool isClicked() const { return m_clicked; }
    bool isCustomized() const { return m_customized; }

    void setCustomizedBackColor(QColor color);
    void setCustomizedBorderColor(QColor color);
    void setHoverBackColor(QColor color);
    void setHoverBorderColor(QColor color);
    void setClickedBackColor(QColor color);
    void setClickedBorderColor(QColor color);
    void setStateColors(QColor clickedColor, QColor accentColor);

    void setRemapEnabled(bool enabled);
    bool isRemapEnabled() const { return m_remapEnabled; }
    void setSelectEnabled(bool enabled);
    bool isSelectEnabled() const { return m_selectEnabled; }
    void setColorShowMode(bool on);
    bool isColorShowMode() const { return m_colorShowMode; }
    void setCalibrationShowMode(bool on);
    void setLightColorEnabled(bool enabled);
    void setLightColor(QColor color);
    QColor lightColor() const { return m_lightColor; }
    void setLightColorBackup(QColor color);
    QColor lightColorBackup() const { return m_lightColorBackup; }
    QColor getLightColorBackup() const { return m_lightColorBackup; }
    // The picture under the cap, as large as the cap; a null one, or one that
    // is not opaque all over, leaves the cap see-through.
    void setBackdrop(const QPixmap& picture);
    bool hasBackdrop() const { return !m_backdrop.isNull(); }

public slots:
    void refresh(int);

signals:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawState(QPainter& painter, const QColor& fill, const QColor& border);
    void drawPlainCap(QPainter& painter, const QColor& fill, const QColor& border);
    void drawNotchedEnter(QPainter& painter, const QColor& fill, const QColor& border);
    bool hasNoLed() const;

    bool m_hover = false;
    bool m_selected = false;
    int m_width = 34;
    int m_height = 38;
    bool m_customized = false;
    bool m_clicked = false;
    int m_posX = 0;
    int m_posY = 0;
    int m_rowIndex = 0;
    int m_columnIndex = 0;
    int m_keyCode = 0;
    QString m_keyLabel;
    QPoint m_position;
    bool m_remapEnabled = true;
    int m_enterShape = 0;
    bool m_specialEnter = false;
    int m_notchX = 0;
    int m_notchY = 0;
    int m_notchRight = 0;
    int m_notchBottom = 0;
    QColor m_currentFill{0, 0, 0, 0};
    QColor m_currentBorder{0, 0, 0, 0};
    bool m_selectEnabled = true;
    bool m_colorShowMode = false;
    bool m_lightColorEnabled = false;
    QColor m_hoverFill{255, 49, 53, 50};
    QColor m_hoverBorder{255, 49, 53, 255};
    QColor m_clickedFill{255, 128, 0, 50};
    QColor m_clickedBorder{255, 128, 0, 255};
    QColor m_customizedFill{255, 49, 53, 50};
    QColor m_customizedBorder{255, 49, 53, 255};
    QColor m_lightColor{0, 0, 0, 0};
    QColor m_accentColor{255, 49, 53, 255};
    QColor m_lightColorBackup;
    bool m_calibrationShowMode = false;
    QPixmap m_backdrop;
};
