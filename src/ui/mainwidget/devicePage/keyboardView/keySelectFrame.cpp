#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"

#include "app/DThemeColor.h"
#include "app/logCategories.h"
#include "ui_keySelectFrame.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "profiles/DKeyFunctionType.h"
#include "sdk/include/orvanesdk_records.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DCustomEventTipExplain.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const char kLoadFailure[]
    = "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL -------------------------";

const QColor kClickedColor(220, 40, 45, 255);

QString quoteKeyLabel()
{
    return QStringLiteral("' \"");
}

bool isFnLabel(const QString& label)
{
    return label == QLatin1String("fn") || label == QLatin1String("Fn") || label == QLatin1String("FN");
}

QString clickLabel(const keyboardButCustom* cap)
{
    if (cap->keyCode() == 52)
        return quoteKeyLabel();
    QString label = cap->keyLabel();
    label.remove(QLatin1Char('"'));
    return label;
}

} // namespace

keySelectFrame::keySelectFrame(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::keySelectFrame)
{
    m_ui->setupUi(this);
    connect(DDataManager::getInstance(), &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo, this,
            &keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo);
}

keySelectFrame::~keySelectFrame()
{
    onCustomButMouseLeave();
    forgetHandedOverCaps();
    delete m_ui;
}

void keySelectFrame::forgetHandedOverCaps()
{
    // The data manager outlives every picture; it must not keep pointers to
    // caps that die with this frame.
    DDataManager* data = DDataManager::getInstance();
    if (data->keySelectFrame() != this)
        return;
    data->setKeyButtonMap({});
    data->setKeyButtonList({});
    data->setKeySelectFrame(nullptr);
}

QColor keySelectFrame::accentColorFromTheme()
{
    return DThemeColor::fromText(DDataManager::getInstance()->themeColors().textCheckedColor);
}

int keySelectFrame::enterNotchDepth(const QString& model)
{
    const ModelInfo* info = ModelCatalogue::instance().find(model);
    return (info && info->deepEnterNotch) ? 35 : 30;
}

void keySelectFrame::loadKeyboard(hidInfoStu info)
{
    m_modelName = DFixedText::local8Bit(info.model);
    loadKeyboardInfo(m_modelName);
}

void keySelectFrame::loadKeyboardInfo(QString model)
{
    const QByteArray text = DKeyLayoutDescription::readResource(
        QStringLiteral("KeyInfo_") + model + QStringLiteral(".config"), kLoadFailure);
    if (text.isNull())
        return;
    parseKeyboardInfo(text.constData());
}

void keySelectFrame::discardBuiltCaps()
{
    onCustomButMouseLeave();
    m_clickedKey = nullptr;
    qDeleteAll(m_keyButtonList);
    qDeleteAll(m_sideLightList);
    for (auto& row : m_capGrid)
        row.fill(nullptr);
}

void keySelectFrame::parseKeyboardInfo(const char* text)
{
    discardBuiltCaps();
    forgetHandedOverCaps();
    m_hasSideLight = false;
    m_specialEnterKey = false;
    m_sideLightList.clear();
    m_keyButtonMap.clear();
    m_keyButtonList.clear();
    m_keyPositionList.clear();
    m_sideLightPositionList.clear();
    m_sideLightButtonMap.clear();

    const QColor accent = accentColorFromTheme();

    DKeyLayoutDescription layout;
    if (!text || !layout.parse(QByteArray(text), 0, DKeyGrid::kRows, true))
        return;

    DDataManager* data = DDataManager::getInstance();
    const DKeyLayoutDescription::Header& header = layout.header();
    if (header.present) {
        m_hasSideLight = header.sideLightHave == 1;
        m_specialEnterKey = header.specialEnterKey == 1;
        if (m_specialEnterKey)
            m_specialEnterKeyShape = header.specialEnterKeyShape;
        data->setHasSpecialEnterKey(m_specialEnterKey);
        m_hidDeviceType = header.hidDeviceType;
        data->setHidDeviceType(m_hidDeviceType);
    }

    if (m_hasSideLight) {
        for (const DKeyLayoutEntry& led : layout.row(0)) {
            auto* segment = new sideLightButtonCustom(this);
            segment->setFixedKeySize(led.width, led.height);
            segment->setGeometry(led.posX + m_sideOffsetX, led.posY + m_sideOffsetY, std::max(led.width, 0),
                                 std::max(led.height, 0));
            segment->setKeyPosition(led.posX + m_sideOffsetX, led.posY + m_sideOffsetY);
            segment->setLedIndex(led.index, led.validStatus);
            segment->setRounded(false);
            segment->hide();
            segment->setLightColor(QColor(255, 0, 0, 255));
            m_sideLightList.append(segment);
            m_sideLightButtonMap.insert(led.index, segment);
            m_sideLightPositionList.append({led.index, led.posX, led.posY, led.width, led.height,
                                            keyPositionInfo::kSideLightMark, led.sidePosition});
        }
    }

    const int notchDepth = enterNotchDepth(m_modelName);
    // One cap per entry of the description: a row the description leaves out
    // has no caps, and a short row ends where its array ends.
    for (int r = 0; r < DKeyGrid::kRows; ++r) {
        const QVector<DKeyLayoutEntry>& entries = layout.row(r + 1);
        const int columns = std::min(entries.size(), DKeyGrid::kColumns);
        for (int c = 0; c < columns; ++c) {
            const DKeyLayoutEntry& key = entries[c];
            const QString label = key.dec == 504 ? quoteKeyLabel() : key.label;
            auto* cap = new keyboardButCustom(this);
            cap->setFixedKeySize(key.width, key.height);
            connect(cap, &keyboardButCustom::clicked, this, &keySelectFrame::onKeyButtonClicked);
            connect(cap, &keyboardButCustom::sigCustomButMouseEnter, this, &keySelectFrame::onCustomButMouseEnter);
            connect(cap, &keyboardButCustom::sigCustomButMouseLeave, this, &keySelectFrame::onCustomButMouseLeave);
            if (key.dec == 40 && m_specialEnterKey) {
                cap->setSpecialEnter(true);
                cap->setSpecialEnterShape(1);
                cap->setSpecialEnterNotch(10, notchDepth);
            }
            cap->setGeometry(key.posX + kMargin, key.posY + kMargin, std::max(key.width, 0), std::max(key.height, 0));
            cap->setKeyPosition(key.posX + kMargin, key.posY + kMargin);
            cap->setClickedStatus(false, false);
            cap->setKeyInfo(key.dec, label);
            cap->setGridIndex(r, c);
            cap->show();
            m_keyButtonMap.insert(key.dec, cap);
            m_capGrid[r][c] = cap;
            m_keyButtonList.append(cap);
            m_keyPositionList.append(
                {key.dec, key.posX, key.posY, key.width, key.height, keyPositionInfo::kKeyMark, 0});
        }
    }

    giveCapsTheirBackdrop();
    data->setKeyButtonMap(m_keyButtonMap);
    data->setKeyButtonList(m_keyButtonList);
    data->setKeySelectFrame(this);
    emit sigKeyboardAlreadyLoad();

    for (const auto& row : m_capGrid) {
        for (keyboardButCustom* cap : row) {
            if (!cap)
                continue;
            cap->setStateColors(kClickedColor, accent);
            cap->setLightColorEnabled(true);
        }
    }
}

void keySelectFrame::setBackdrop(const QPixmap& picture, const QPoint& origin)
{
    m_backdrop = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    m_backdropOrigin = origin;
    giveCapsTheirBackdrop();
}

void keySelectFrame::giveCapsTheirBackdrop()
{
    for (keyboardButCustom* cap : qAsConst(m_keyButtonList)) {
        const QRect area = cap->geometry().translated(-m_backdropOrigin);
        if (m_backdrop.isNull() || !m_backdrop.rect().contains(area)) {
            cap->setBackdrop(QPixmap());
            continue;
        }
        const QImage part = m_backdrop.copy(area);
        bool opaque = true;
        for (int y = 0; y < part.height() && opaque; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(part.constScanLine(y));
            opaque = std::all_of(line, line + part.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; });
        }
        cap->setBackdrop(opaque ? QPixmap::fromImage(part.convertToFormat(QImage::Format_RGB32)) : QPixmap());
    }
}

keyboardButCustom* keySelectFrame::capAt(int row, int column) const
{
    if (row < 0 || row >= DKeyGrid::kRows || column < 0 || column >= DKeyGrid::kColumns)
        return nullptr;
    return m_capGrid[row][column];
}

void keySelectFrame::releaseClickedKey()
{
    if (!m_clickedKey)
        return;
    m_clickedKey->setClickedStatus(false, true);
    m_clickedKey = nullptr;
}

void keySelectFrame::setKeysState(bool colorShow, bool selectEnabled)
{
    for (keyboardButCustom* cap : qAsConst(m_keyButtonMap)) {
        cap->setSelectEnabled(selectEnabled);
        cap->setColorShowMode(colorShow);
    }
    releaseClickedKey();
}

void keySelectFrame::setKeysSelectEnabled(bool enabled)
{
    for (keyboardButCustom* cap : qAsConst(m_keyButtonMap))
        cap->setSelectEnabled(enabled);
}

void keySelectFrame::setKeysColorShowMode(bool on)
{
    for (keyboardButCustom* cap : qAsConst(m_keyButtonMap)) {
        cap->setColorShowMode(on);
        cap->setSelectedStatus(false);
    }
    releaseClickedKey();
}

void keySelectFrame::setKeysCalibrationShowMode(bool on)
{
    for (keyboardButCustom* cap : qAsConst(m_keyButtonMap))
        cap->setCalibrationShowMode(on);
}

void keySelectFrame::setSideLightVisible(bool visible)
{
    if (!m_hasSideLight)
        return;
    for (sideLightButtonCustom* segment : qAsConst(m_sideLightList))
        segment->setVisible(visible && segment->validStatus() == 1);
}

void keySelectFrame::clearHoverKey()
{
    m_clickedKey = nullptr;
    onCustomButMouseLeave();
}

void keySelectFrame::onKeyButtonClicked()
{
    auto* cap = qobject_cast<keyboardButCustom*>(sender());
    if (!cap || cap == m_clickedKey)
        return;
    const QString label = clickLabel(cap);
    DDataManager* data = DDataManager::getInstance();
    const bool calibrating = data->isCalibrating();
    if (!calibrating && (isFnLabel(label) || !cap->isRemapEnabled()))
        return;

    releaseClickedKey();
    cap->setClickedStatus(true, true);
    m_clickedKey = cap;

    if (calibrating)
        data->relayCalibrationPoint(cap->getRowIndex(), cap->getColumnIndex());
    else
        data->setCurrentKey(cap->keyCode(), label);
}

void keySelectFrame::onCustomButMouseEnter()
{
    auto* cap = qobject_cast<keyboardButCustom*>(sender());
    if (!cap)
        return;
    onCustomButMouseLeave();
    const QString label = clickLabel(cap);
    m_tipWidget = new DCustomEventTipExplain(nullptr);

    // Calibration touches keys, not their functions: nothing is looked up then.
    DDataManager* data = DDataManager::getInstance();
    auto record = std::make_unique<keyOperateInfo>();
    std::memset(record.get(), 0, sizeof(keyOperateInfo));
    std::strcpy(record->keyCode, "-1");
    qstrncpy(record->type, QByteArray::number(DKeyFunctionType::kNoFunction).constData(), sizeof record->type);
    if (!data->isCalibrating()) {
        char path[DDataManager::kPathBufferSize] = {};
        data->copyCurrentProfilePath(path);
        const QByteArray index = QByteArray::number(data->currentProfileIndex());
        const QByteArray usage = QByteArray::number(cap->keyCode());
        COrvaneXML_SelectProFileKeyOperateInfo(path, index.constData(), usage.constData(), record.get());
    }
    const bool nothingStored = DKeyFunctionType::of(*record) == DKeyFunctionType::kNoFunction;
    const QString category = data->keyFunctionTypeName(*record);
    if (nothingStored && (cap->keyCode() == -10 || !cap->isRemapEnabled()))
        m_tipWidget->setTipInfo(label, category, QObject::tr("Cannot remapped"), false);
    else if (nothingStored)
        m_tipWidget->setTipInfo(label, category, label, true);
    else
        m_tipWidget->setTipInfo(label, category, data->keyFunctionDetailText(), true);

    // The bubble is as wide as the tip grew for its texts, the arrow in its
    // middle over the key; the 15-pixel shadow band lies on both sides.
    // Its height holds all three lines.
    const int width = m_tipWidget->width() + 30;
    const int height = ArrowWidget::heightFor(ArrowWidget::ArrowBottom, m_tipWidget->sizeHint().height());
    m_arrowPopup = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_arrowPopup->setPopupSize(width, height);
    m_arrowPopup->setArrowX(width / 2 - 7);
    m_arrowPopup->setContentWidget(m_tipWidget);
    const QPoint anchor = cap->mapToGlobal(QPoint(cap->width() / 2, cap->height()));
    m_arrowPopup->move(anchor - QPoint(width / 2, cap->height() + height));
    m_arrowPopup->show();
}

void keySelectFrame::onCustomButMouseLeave()
{
    if (!m_arrowPopup)
        return;
    // The pop-up took the tip as its content, so it goes with the pop-up.
    m_arrowPopup->hide();
    delete m_arrowPopup;
    m_arrowPopup = nullptr;
    m_tipWidget = nullptr;
}

void keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum)
{
    qCDebug(lcUi) << "----------------------------------- BackInfo type:" << type << "  pressNum:" << pressNum
                  << " releaseNum:" << releaseNum;
}

void keySelectFrame::onArrowWidgetMouseEnter()
{
    QTimer::singleShot(100, this, &keySelectFrame::ontheArrowWillHide);
}

void keySelectFrame::ontheArrowWillHide()
{
    clearHoverKey();
}
