#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui_hidDeviceJoinFrame.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "hid/hidStructInfoAll.h"
#include "sdk/include/orvanesdk_records.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"
#include "ui/mainwidget/devicePage/keyboardView/keyColorRgbFrameItem.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"

#include <QStackedLayout>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr int kMargin = keySelectFrame::kMargin;

// Products with the zoom factor are taken in single precision and truncated,
// as the hover and rectangle hit tests have always done.
int truncated(float value)
{
    return static_cast<int>(value);
}

// Cut to the field, the rest NUL-filled as the record is copied whole.
void copyText(char* dst, size_t size, const char* src)
{
    const size_t n = strnlen(src, size - 1);
    std::memcpy(dst, src, n);
    std::memset(dst + n, 0, size - n);
}

} // namespace

hidDeviceJoinFrame::hidDeviceJoinFrame(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::hidDeviceJoinFrame)
{
    m_ui->setupUi(this);
    // No background of its own: the right column's theme colour, and the
    // background image when one is in use, show around the keyboard in
    // every theme. A colour painted here would sit over that column's
    // translucent one and mark out the view as a darker block.
}

hidDeviceJoinFrame::~hidDeviceJoinFrame()
{
    delete m_ui;
}

QWidget* hidDeviceJoinFrame::keyboardSpace() const
{
    return m_ui->frame_hidSpace;
}

int hidDeviceJoinFrame::scaled(float value)
{
    const int whole = static_cast<int>(value);
    const int firstDecimal = static_cast<int>(value * 10.0f) % 10;
    return firstDecimal >= 4 ? whole + 1 : whole;
}

QSize hidDeviceJoinFrame::pictureSize(const QString& model)
{
    const QByteArray text
        = DKeyLayoutDescription::readResource(QStringLiteral("KeyInfo_") + model + QStringLiteral(".config"),
                                              "------------------------ picture size: no key layout");
    DKeyLayoutDescription layout;
    if (text.isNull() || !layout.parse(text, 0, -1))
        return QSize(0, 0);
    return QSize(layout.header().pictureWidth, layout.header().pictureHeight);
}

void hidDeviceJoinFrame::loadKeyboard(hidStructInfoAll record)
{
    m_modelName = DFixedText::local8Bit(record.modelName);
    const QSize picture = pictureSize(m_modelName);
    m_frameWidth = picture.width() + 2 * kMargin;
    m_frameHeight = picture.height() + 2 * kMargin;
    m_ui->frame_hidSpace->setFixedSize(m_frameWidth, m_frameHeight);

    m_layerHost = new QWidget(m_ui->frame_hidSpace);
    m_keyFrame = new keySelectFrame(m_layerHost);
    m_colorLayer = new keyColorRgbFrameItem(m_layerHost);
    m_pictureLayer = new keyboardImageFrameItem(m_layerHost);
    connect(m_keyFrame, &keySelectFrame::sigKeyboardAlreadyLoad, this, &hidDeviceJoinFrame::onKeyboardAlreadyLoad);
    connect(m_pictureLayer, &keyboardImageFrameItem::pictureChanged, this, &hidDeviceJoinFrame::giveCapsThePicture);

    auto* stack = new QStackedLayout(m_layerHost);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(m_keyFrame);
    stack->addWidget(m_colorLayer);
    stack->addWidget(m_pictureLayer);
    m_ui->frame_hidSpace->layout()->addWidget(m_layerHost);
    m_pictureLayer->lower();
    m_colorLayer->lower();
    m_keyFrame->raise();

    hidInfoStu info{};
    info.vendorId = 0x1234;
    info.productId = 0x5678;
    copyText(info.path, sizeof(info.path), record.hidPath);
    copyText(info.manufacturer, sizeof(info.manufacturer), "hidStu_hidManufacturer");
    copyText(info.product, sizeof(info.product), "hidStu_hidProduct");
    copyText(info.model, sizeof(info.model), record.modelName);
    copyText(info.firmware, sizeof(info.firmware), "hidStu_hidFirmwareNUC");

    m_pictureLayer->setDeviceInfo(info);
    m_keyFrame->loadKeyboard(info);
    m_keyFrame->setKeysState(false, true);
    giveCapsThePicture();
}

// The caps draw their part of the picture at the size it is shown, which the
// zoom sets before the layout gets to resize the picture's frame.
void hidDeviceJoinFrame::giveCapsThePicture()
{
    if (!m_keyFrame || !m_pictureLayer)
        return;
    const QPoint origin = m_pictureLayer->pictureOrigin();
    const QSize shown = m_ui->frame_hidSpace->minimumSize() - QSize(2 * origin.x(), 2 * origin.y());
    m_keyFrame->setBackdrop(m_pictureLayer->shownPicture(shown), origin);
}

void hidDeviceJoinFrame::onKeyboardAlreadyLoad()
{
    const QList<keyPositionInfo> records = m_keyFrame->keyPositionList();
    // A rebuilt frame has new caps; the old ones are gone.
    m_selectedKeys.clear();
    m_currentKey = nullptr;
    m_rowHeads.clear();
    for (auto& row : m_keyGrid)
        row.fill(keyPositionInfo());
    if (records.isEmpty())
        return;
    m_rowHeads.append(records.first());
    int r = 0;
    int c = 0;
    for (const keyPositionInfo& record : records) {
        if (c != 0 && c % DKeyGrid::kColumns == 0) {
            ++r;
            c = 0;
            if (r >= DKeyGrid::kRows)
                break;
            m_rowHeads.append(record);
        }
        m_keyGrid[r][c] = record;
        ++c;
    }
}

void hidDeviceJoinFrame::setScale(float factor, bool)
{
    if (!m_keyFrame)
        return;
    // The zoom buttons step from 1.0 to 2.0; anything else would only make
    // caps vanish or grow past any screen.
    factor = std::clamp(factor, 1.0f, 2.0f);
    const int width = scaled((m_frameWidth - 2 * kMargin) * factor) + 2 * kMargin;
    const int height = scaled((m_frameHeight - 2 * kMargin) * factor) + 2 * kMargin;
    m_ui->frame_hidSpace->setFixedSize(width, height);
    m_scale = factor;

    const QMap<int, keyboardButCustom*> caps = m_keyFrame->keyButtonMap();
    for (const keyPositionInfo& record : m_keyFrame->keyPositionList()) {
        if (record.code == 0)
            continue;
        keyboardButCustom* cap = caps.value(record.code);
        if (!cap)
            continue;
        const int x = scaled(std::max(record.posX, 0) * factor) + kMargin;
        const int y = scaled(std::max(record.posY, 0) * factor) + kMargin;
        const int w = scaled(record.width * factor);
        const int h = scaled(record.height * factor);
        cap->setGeometry(x, y, w, h);
        cap->setKeyPosition(x, y);
        cap->setFixedKeySize(w, h);
        cap->repaint();
    }

    if (DDataManager::getInstance()->hasSpecialEnterKey()) {
        if (keyboardButCustom* enter = caps.value(40)) {
            const int depth = keySelectFrame::enterNotchDepth(m_modelName);
            enter->setSpecialEnterNotch(scaled(10 * factor), scaled(depth * factor));
        }
    }
    giveCapsThePicture();

    if (!m_keyFrame->hasSideLight())
        return;
    const QMap<int, sideLightButtonCustom*> segments = m_keyFrame->sideLightButtonMap();
    for (const keyPositionInfo& record : m_keyFrame->sideLightPositionList()) {
        if (record.sidePosition == 0)
            continue;
        int x = 0;
        int y = 0;
        int w = 0;
        int h = 0;
        switch (record.sidePosition) {
        case 1:
            x = record.posX < 0 ? record.posX + kMargin
                                : (record.posX == 0 ? 0 : scaled(record.posX * factor) + kMargin);
            y = scaled(std::max(record.posY, 0) * factor) + kMargin;
            w = record.posX <= 0 ? record.width : scaled(record.width * factor);
            h = scaled(record.height * factor);
            break;
        case 2:
            x = width - kMargin;
            y = scaled(std::max(record.posY, 0) * factor) + kMargin;
            w = record.width;
            h = scaled(record.height * factor);
            break;
        case 3:
            x = scaled(std::max(record.posX, 0) * factor) + kMargin;
            y = record.posY < 0 ? record.posY + kMargin
                                : (record.posY == 0 ? 0 : scaled(record.posY * factor) + kMargin);
            w = scaled(record.width * factor);
            h = record.posY <= 0 ? record.height : scaled(record.height * factor);
            break;
        case 4:
            x = scaled(std::max(record.posX, 0) * factor) + kMargin;
            y = height - kMargin;
            w = scaled(record.width * factor);
            h = record.height;
            break;
        default:
            break;
        }
        sideLightButtonCustom* segment = segments.value(record.code);
        if (!segment)
            continue;
        segment->setGeometry(x, y, w, h);
        segment->setKeyPosition(x, y);
        segment->setFixedKeySize(w, h);
    }
}

QRect hidDeviceJoinFrame::cellRect(const keyPositionInfo& cell, const QPoint& origin) const
{
    const int left = truncated(cell.posX * m_scale + origin.x() + kMargin);
    const int top = truncated(cell.posY * m_scale + origin.y() + kMargin);
    const int right = truncated(left + cell.width * m_scale);
    const int bottom = truncated(top + cell.height * m_scale);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void hidDeviceJoinFrame::selectKeysInRect(int x1, int y1, int x2, int y2)
{
    for (keyboardButCustom* cap : qAsConst(m_selectedKeys))
        cap->setSelectedStatus(false);
    m_selectedKeys.clear();

    if (m_keyFrame) {
        const QPoint origin = spaceOrigin();
        const int left = std::min(x1, x2);
        const int right = std::max(x1, x2);
        const int top = std::min(y1, y2);
        const int bottom = std::max(y1, y2);
        const QMap<int, keyboardButCustom*> caps = m_keyFrame->keyButtonMap();
        for (const keyPositionInfo& record : m_keyFrame->keyPositionList()) {
            if (record.code == 0)
                continue;
            const int x = truncated(record.posX * m_scale + origin.x() + kMargin);
            const int y = truncated(record.posY * m_scale + origin.y() + kMargin);
            if (x < left || x > right || y < top || y > bottom)
                continue;
            keyboardButCustom* cap = caps.value(record.code);
            if (!cap || m_selectedKeys.contains(cap))
                continue;
            cap->setSelectedStatus(true);
            m_selectedKeys.append(cap);
        }
    }
    emit sigTheDragAreaHaveChanged(0, -1, -1, -1);
}

void hidDeviceJoinFrame::onMouseMovePoint(int x, int y, int pageMode)
{
    if (m_mousePressed)
        return;
    bool onKey = false;
    if (m_keyFrame) {
        const QPoint origin = spaceOrigin();
        const int spaceWidth = m_ui->frame_hidSpace->width();
        const QMap<int, keyboardButCustom*> caps = m_keyFrame->keyButtonMap();
        for (const auto& row : m_keyGrid) {
            // The band of a row spans all its keys, not only its first slot,
            // so a row that starts with an empty slot still finds its keys.
            int rowTop = INT_MAX;
            int rowBottom = INT_MIN;
            for (const keyPositionInfo& cell : row) {
                if (cell.code == 0)
                    continue;
                const QRect rect = cellRect(cell, origin);
                rowTop = std::min(rowTop, rect.top());
                rowBottom = std::max(rowBottom, rect.bottom());
            }
            if (!(origin.x() < x && x < origin.x() + spaceWidth && rowTop < y && y < rowBottom))
                continue;
            for (const keyPositionInfo& cell : row) {
                if (cell.code == 0)
                    continue;
                const QRect rect = cellRect(cell, origin);
                if (!(rect.left() < x && x < rect.right() && rect.top() < y && y < rect.bottom()))
                    continue;
                onKey = true;
                keyboardButCustom* cap = caps.value(cell.code);
                if (cap && cap != m_currentKey) {
                    if (m_currentKey)
                        m_currentKey->setHoverStatus(false);
                    cap->setHoverStatus(true);
                    m_currentKey = cap;
                }
                break;
            }
        }
    }
    if (!onKey && m_currentKey) {
        m_currentKey->setHoverStatus(false);
        m_currentKey = nullptr;
        if (pageMode == 4 && m_keyFrame)
            m_keyFrame->clearHoverKey();
    }
    emit sigDragAreaMoveOneKey(onKey);
}

void hidDeviceJoinFrame::setMousePressed(bool pressed)
{
    m_mousePressed = pressed;
    if (!pressed || !m_currentKey)
        return;
    int status = 1;
    if (m_selectedKeys.contains(m_currentKey)) {
        m_currentKey->setSelectedStatus(false);
        m_selectedKeys.removeAll(m_currentKey);
        status = -1;
    } else {
        m_currentKey->setSelectedStatus(true);
        m_selectedKeys.append(m_currentKey);
    }
    emit sigTheDragAreaHaveChanged(1, status, m_currentKey->getRowIndex(), m_currentKey->getColumnIndex());
}

void hidDeviceJoinFrame::dropHoveredKey()
{
    if (!m_currentKey)
        return;
    m_currentKey->setHoverStatus(false);
    m_currentKey = nullptr;
}

void hidDeviceJoinFrame::setColorShowMode(bool on)
{
    if (on) {
        for (keyboardButCustom* cap : qAsConst(m_selectedKeys))
            cap->setSelectedStatus(false);
        m_selectedKeys.clear();
    }
    if (m_keyFrame)
        m_keyFrame->setKeysColorShowMode(on);
}

void hidDeviceJoinFrame::exitColorShowMode()
{
    if (m_keyFrame)
        m_keyFrame->setKeysColorShowMode(false);
}

void hidDeviceJoinFrame::setKeyboardImageMode(int mode)
{
    if (m_pictureLayer)
        m_pictureLayer->setKeyboardMode(mode);
}

int hidDeviceJoinFrame::keySelectFramePosY() const
{
    return spaceOrigin().y();
}

QPoint hidDeviceJoinFrame::spaceOrigin() const
{
    return m_ui->frame_hidSpace->mapTo(this, QPoint(0, 0));
}
