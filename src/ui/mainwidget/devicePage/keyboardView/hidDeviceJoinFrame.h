#pragma once

#include "hid/DKeyGrid.h"
#include "ui/mainwidget/devicePage/keyboardView/keyPositionInfo.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

struct hidStructInfoAll;
class keySelectFrame;
class keyColorRgbFrameItem;
class keyboardImageFrameItem;
class keyboardButCustom;

namespace Ui {
class hidDeviceJoinFrame;
}

// The keyboard view: the model's picture, a middle layer and the key caps,
// stacked, centred and zoomed together. It keeps the selection of the pages
// that select several keys and turns the overlay's pointer reports into
// hover, toggle and rectangle selection.
class hidDeviceJoinFrame : public QWidget
{
    Q_OBJECT
public:
    explicit hidDeviceJoinFrame(QWidget* parent = nullptr);
    ~hidDeviceJoinFrame() override;

    void loadKeyboard(hidStructInfoAll record);
    void setScale(float factor, bool);
    void selectKeysInRect(int x1, int y1, int x2, int y2);
    void onMouseMovePoint(int x, int y, int pageMode);
    void setMousePressed(bool pressed);
    // Forgets the key the overlay's pointer last lay on, once the overlay no
    // longer follows the pointer.
    void dropHoveredKey();
    void setColorShowMode(bool on);
    void exitColorShowMode();
    void setKeyboardImageMode(int mode);
    QList<keyboardButCustom*> selectedKeys() const { return m_selectedKeys; }
    int keySelectFramePosY() const;

    // The zoom rule of the picture: the first decimal rounds up from 4 on.
    static int scaled(float value);
    // The picture size of a model at zoom 1.0, from its key-layout
    // description; 0 x 0 for a model without one.
    static QSize pictureSize(const QString& model);

    keySelectFrame* keyFrame() const { return m_keyFrame; }
    keyboardImageFrameItem* pictureLayer() const { return m_pictureLayer; }
    keyboardButCustom* hoveredKey() const { return m_currentKey; }
    QWidget* keyboardSpace() const;
    QString modelName() const { return m_modelName; }

public slots:
    void onKeyboardAlreadyLoad();

signals:
    void sigDragAreaMoveOneKey(bool isSelectedOneKey);
    void sigTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);

private:
    QRect cellRect(const keyPositionInfo& cell, const QPoint& origin) const;
    QPoint spaceOrigin() const;
    void giveCapsThePicture();

    Ui::hidDeviceJoinFrame* m_ui;
    keySelectFrame* m_keyFrame = nullptr;
    keyColorRgbFrameItem* m_colorLayer = nullptr;
    keyboardImageFrameItem* m_pictureLayer = nullptr;
    QWidget* m_layerHost = nullptr;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    float m_scale = 1.0f;
    bool m_mousePressed = false;
    QList<keyboardButCustom*> m_selectedKeys;
    keyboardButCustom* m_currentKey = nullptr;
    DKeyGrid::Of<keyPositionInfo> m_keyGrid{};
    QList<keyPositionInfo> m_rowHeads;
    QString m_modelName;
};
