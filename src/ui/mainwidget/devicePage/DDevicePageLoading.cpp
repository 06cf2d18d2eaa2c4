// Loading the selected keyboard into the device page: the picture with its
// selection overlay, the controls of the keyboard's kind, its profiles and
// the lighting engine.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/DDragRectangle.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QStackedLayout>

namespace {

constexpr int kMagneticDeviceType = 4;
constexpr int kNoBatteryDeviceType = 5;
constexpr int kMusicBands = 11;
constexpr double kMusicMinHz = 30.0;
constexpr double kMusicMaxHz = 930.0;

struct LayerControls
{
    int toolRowMinWidth;
    bool magneticButtonsShown;
    bool powerIndicatorsShown;
    int keyPageLayer;
    int fillSpaceMinWidth;
};

constexpr LayerControls kMagneticControls{295, true, false, 0, 60};
constexpr LayerControls kOtherControls{200, false, true, 999, 20};

} // namespace

void DDevicePage::loadSelectedDevice(hidStructInfoAll info)
{
    m_selectingDevice = true;
    m_firstLoad = false;
    resetCalibration();
    m_profileLoadPending = false;
    m_currentDeviceInfo = info;
    m_currentLink = m_deviceLinkMap.value(QString::fromLatin1(info.hidPath));
    m_currentHidInterface = m_currentLink ? m_currentLink->hidInterface() : nullptr;
    publishMagneticSettings();
    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_HaveDevice);

    m_pictureScale = 1.0f;
    m_ui->label_Multiple->setText(QString::number(double(m_pictureScale), 'f', 1));

    // The data manager still points at the old picture's caps until the new
    // one is built; nothing may reach them in between.
    DDataManager* data = DDataManager::getInstance();
    data->setKeyButtonMap({});
    data->setKeyButtonList({});
    data->setKeySelectFrame(nullptr);
    m_keyCapGrid = {};
    // So does the lighting engine: a tick queued before the switch runs
    // while the new keyboard is awaited (the wait processes events), and
    // would paint the old caps. It gets the new ones once they are built.
    m_lightDeal->setKeyCapGrid({});
    m_lightDeal->setSideLightButtons({});
    delete m_keyboardPicture;
    m_keyboardPicture = nullptr;
    delete m_dragShowArea;
    m_dragShowArea = nullptr;
    delete m_pictureContainer;

    m_pictureContainer = new QWidget(m_ui->hidDeviceShowFrame);
    m_pictureContainer->setObjectName(QStringLiteral("pictureContainer"));
    m_keyboardPicture = new hidDeviceJoinFrame(m_pictureContainer);
    connect(m_keyboardPicture, &hidDeviceJoinFrame::sigDragAreaMoveOneKey, this, &DDevicePage::onDragAreaMoveOneKey);
    connect(m_keyboardPicture, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged, this,
            &DDevicePage::onTheDragAreaHaveChanged);
    m_dragShowArea = new dragShowArea(m_pictureContainer);
    connect(m_dragShowArea, &dragShowArea::sigDragArea, this, &DDevicePage::onDragArea_SelectKeys);
    connect(m_dragShowArea, &dragShowArea::sigDragShowAreaMouseMovePoint, this,
            &DDevicePage::onDragShowAreaMouseMovePoint);
    connect(m_dragShowArea, &dragShowArea::sigDragAreaMousePressOrRelease, this,
            &DDevicePage::onDragAreaMousePressOrRelease);
    const QColor band = data->themeRoles().color(DThemeRoles::AccentText);
    m_dragShowArea->setRectColor(band.red(), band.green(), band.blue());

    m_keyboardPicture->setWindowFlag(Qt::WindowStaysOnTopHint);
    m_keyboardPicture->loadKeyboard(info);
    auto* stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_keyboardPicture);
    stack->addWidget(m_dragShowArea);
    m_pictureContainer->setLayout(stack);
    m_ui->horizontalLayout_17->addWidget(m_pictureContainer);

    // A description may leave places of the grid without a cap, so each cap
    // goes where its own grid place says, not by its position in the list.
    for (keyboardButCustom* cap : data->keyButtonList()) {
        const int row = cap->getRowIndex();
        const int column = cap->getColumnIndex();
        if (row >= 0 && row < DKeyGrid::kRows && column >= 0 && column < DKeyGrid::kColumns)
            m_keyCapGrid[size_t(row)][size_t(column)] = cap;
    }

    m_dragShowArea->lower();
    m_keyboardPicture->raise();
    m_keyboardPicture->show();

    const int deviceType = data->hidDeviceType();
    const LayerControls& controls = deviceType == kMagneticDeviceType ? kMagneticControls : kOtherControls;
    // Only a keyboard that can run from its battery, away from the cable,
    // has a level worth showing: a cable-only model has no receiver.
    const ModelInfo* model = ModelCatalogue::instance().find(QString::fromLatin1(info.modelName));
    const bool powerShown = controls.powerIndicatorsShown && deviceType != kNoBatteryDeviceType && model
                            && model->hasReceiver();
    m_ui->frame_7->setMinimumWidth(controls.toolRowMinWidth);
    m_ui->toolButton_TriggerSetting->setVisible(controls.magneticButtonsShown);
    m_ui->toolButton_SeniorKey->setVisible(controls.magneticButtonsShown);
    m_ui->frame_8->setVisible(powerShown);
    m_ui->frame_6->setVisible(powerShown);
    m_ui->frame_Battery->setVisible(powerShown);
    data->setMagneticKeyboard(deviceType == kMagneticDeviceType);
    data->setDefaultLayerSelected(true);
    customKeysPage()->setCurrentLayer(controls.keyPageLayer);
    m_ui->frame_FillSpace->setMinimumWidth(controls.fillSpaceMinWidth);
    customKeysPage()->resetKeyPage();

    data->setHasSideLight(m_currentLink && !m_currentLink->sideModes().lightTypeList.isEmpty());
    data->setCurrentDeviceName(QString::fromLocal8Bit(info.modelName));

    openProfileFileSet(info);
    startLighting();
    m_selectingDevice = false;
}

void DDevicePage::startLighting()
{
    m_lightDeal->setKeyCapGrid(m_keyCapGrid);
    if (keySelectFrame* frame = DDataManager::getInstance()->keySelectFrame())
        m_lightDeal->setSideLightButtons(frame->sideLightButtons());
    m_lightDeal->initMusicRhythm(m_currentDeviceInfo.layoutNumber, kMusicBands, kMusicMinHz, kMusicMaxHz);
    m_lightDeal->loadProfileLight();
    // Only the lighting page shows the frames on the picture.
    m_lightDeal->setUiUpdateEnabled(m_currentPageIndex == LightsPage);
    m_lightDeal->setLightThreadsRunning(true);
    m_lightDeal->setLightSynchronize(true);
}

void DDevicePage::stopLighting()
{
    m_lightDeal->setLightSynchronize(false);
    m_lightDeal->setUiUpdateEnabled(false);
    m_lightDeal->setLightThreadsRunning(false);
}

void DDevicePage::stopLightThreadsIfRunning()
{
    if (m_lightDeal->isKeyboardLightRunning() || m_lightDeal->isSideLightRunning())
        stopLighting();
}

void DDevicePage::onDragArea_SelectKeys(int startX, int startY, int endX, int endY)
{
    if (!m_keyboardPicture || !isDragSelectionOn())
        return;
    const DDragRectangle::Band band = DDragRectangle::fromDrag(startX, startY, endX, endY);
    if (band.select)
        m_keyboardPicture->selectKeysInRect(band.left, band.top, band.right, band.bottom);
}

void DDevicePage::onDragShowAreaMouseMovePoint(int moveX, int moveY)
{
    if (m_keyboardPicture && isDragSelectionOn())
        m_keyboardPicture->onMouseMovePoint(moveX, moveY, m_currentPageIndex);
}

void DDevicePage::onDragAreaMousePressOrRelease(bool isMousePress)
{
    if (m_keyboardPicture && isDragSelectionOn())
        m_keyboardPicture->setMousePressed(isMousePress);
}

void DDevicePage::onDragAreaMoveOneKey(bool isSelectedOneKey)
{
    if (m_dragShowArea)
        m_dragShowArea->setOneKeyMode(isSelectedOneKey);
}
