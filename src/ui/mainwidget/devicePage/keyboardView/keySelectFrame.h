#pragma once

#include "hid/DKeyGrid.h"
#include "ui/mainwidget/devicePage/keyboardView/keyPositionInfo.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>

struct hidInfoStu;
class ArrowWidget;
class DCustomEventTipExplain;
class keyboardButCustom;
class sideLightButtonCustom;

namespace Ui {
class keySelectFrame;
}

// The layer of the keyboard picture that holds the key caps and side-light
// segments built from the model's key-layout description. It keeps them by
// grid place, HID usage and LED number, hands the caps to the data manager,
// turns a click into the current key and shows a tip over the hovered cap.
class keySelectFrame : public QWidget
{
    Q_OBJECT
public:
    // Caps sit at their layout position plus this margin, as the picture does.
    static constexpr int kMargin = 10;

    explicit keySelectFrame(QWidget* parent = nullptr);
    ~keySelectFrame() override;

    void loadKeyboard(hidInfoStu info);
    void loadKeyboardInfo(QString model);
    void parseKeyboardInfo(const char* text);

    void setKeysState(bool colorShow, bool selectEnabled);
    void setKeysSelectEnabled(bool enabled);
    void setKeysColorShowMode(bool on);
    void setKeysCalibrationShowMode(bool on);
    void setSideLightVisible(bool visible);
    // The keyboard picture under this layer, its top left corner at `origin`:
    // each cap draws its own part of it (see keyboardButCustom::setBackdrop).
    // Given again whenever the picture or the caps' places change.
    void setBackdrop(const QPixmap& picture, const QPoint& origin);

    QList<keyPositionInfo> keyPositionList() const { return m_keyPositionList; }
    QList<keyPositionInfo> sideLightPositionList() const { return m_sideLightPositionList; }
    QMap<int, keyboardButCustom*> keyButtonMap() const { return m_keyButtonMap; }
    QMap<int, sideLightButtonCustom*> sideLightButtonMap() const { return m_sideLightButtonMap; }
    QList<sideLightButtonCustom*> sideLightButtons() const { return m_sideLightList; }
    QList<keyboardButCustom*> keyButtonList() const { return m_keyButtonList; }
    keyboardButCustom* capAt(int row, int column) const;
    keyboardButCustom* clickedKey() const { return m_clickedKey; }
    bool hasSideLight() const { return m_hasSideLight; }
    bool hasSpecialEnterKey() const { return m_specialEnterKey; }
    int hidDeviceType() const { return m_hidDeviceType; }
    QString modelName() const { return m_modelName; }
    ArrowWidget* hoverPopup() const { return m_arrowPopup; }
    DCustomEventTipExplain* hoverTip() const { return m_tipWidget; }

    void clearHoverKey();
    // No key is the current one any more; the next click on any key makes
    // it current.
    void releaseClickedKey();

    // The inner corner of the notched Enter cap at zoom 1.0: models with the
    // deeper notch in the catalogue get (10, 35), all others (10, 30).
    static int enterNotchDepth(const QString& model);

signals:
    void sigKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum);
    void onArrowWidgetMouseEnter();
    void ontheArrowWillHide();

private:
    void discardBuiltCaps();
    void giveCapsTheirBackdrop();
    void forgetHandedOverCaps();
    static QColor accentColorFromTheme();

    Ui::keySelectFrame* m_ui;
    ArrowWidget* m_arrowPopup = nullptr;
    DCustomEventTipExplain* m_tipWidget = nullptr;
    bool m_hasSideLight = false;
    bool m_specialEnterKey = false;
    int m_specialEnterKeyShape = 0;
    int m_hidDeviceType = 1;
    int m_sideOffsetX = kMargin;
    int m_sideOffsetY = kMargin;
    QString m_modelName;
    QList<sideLightButtonCustom*> m_sideLightList;
    QList<keyPositionInfo> m_sideLightPositionList;
    QMap<int, sideLightButtonCustom*> m_sideLightButtonMap;
    QMap<int, keyboardButCustom*> m_keyButtonMap;
    QList<keyboardButCustom*> m_keyButtonList;
    DKeyGrid::Of<keyboardButCustom*> m_capGrid{};
    QList<keyPositionInfo> m_keyPositionList;
    keyboardButCustom* m_clickedKey = nullptr;
    QImage m_backdrop;
    QPoint m_backdropOrigin;
};
