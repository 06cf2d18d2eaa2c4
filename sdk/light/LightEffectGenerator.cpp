#include "sdk/light/LightEffectGenerator.h"

#include "sdk/models/ModelCatalogue.h"

#include <QCoreApplication>
#include <QThread>

namespace {

std::unique_ptr<LightEffectGenerator>& slot()
{
    static std::unique_ptr<LightEffectGenerator> generator;
    return generator;
}

// The frames are handed straight into the application's colouring, which
// runs on the GUI thread without a lock.
void checkGuiThread()
{
    Q_ASSERT_X(!QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread(),
               "LightEffectGenerator", "called off the GUI thread");
}

// A model we do not know gets the whole grid.
KeyArea areaOf(const char* modelCode)
{
    KeyArea area;
    const ModelInfo* model = modelCode ? ModelCatalogue::instance().find(QString::fromLatin1(modelCode)) : nullptr;
    if (model) {
        area.top = model->keyAreaTop;
        area.bottom = model->keyAreaBottom;
        area.left = model->keyAreaLeft;
        area.right = model->keyAreaRight;
    }
    return area;
}

} // namespace

LightEffectGenerator::LightEffectGenerator(std::uint32_t seed)
    : m_random(seed)
    , m_keyEffects(m_random)
    , m_pressEffects(m_random)
{
}

LightEffectGenerator& LightEffectGenerator::instance()
{
    if (!slot())
        prepare();
    return *slot();
}

void LightEffectGenerator::prepare()
{
    checkGuiThread();
    slot() = std::make_unique<LightEffectGenerator>();
}

void LightEffectGenerator::setKeyboard(const colorInfoData& record, int supportValue4, const char* modelCode,
                                       bool hasSideLight)
{
    checkGuiThread();
    // The speed is the application's tick and the brightness its darkening;
    // supportValue4 asks for nothing the effects draw.
    (void)supportValue4;
    m_keyboardRecord = record;
    m_hasSideLight = hasSideLight;
    m_area = areaOf(modelCode);
    restartKeyboard();
}

void LightEffectGenerator::changeKeyboard(const colorInfoData& record)
{
    checkGuiThread();
    const bool sameEffect = record.ledType == m_keySetting.effect;
    m_keyboardRecord = record;
    if (!sameEffect) {
        // The keyboard can change its effect by itself and reports it as a
        // change; a new effect starts from its beginning.
        restartKeyboard();
        return;
    }
    m_keySetting = EffectSetting::keyboard(record);
}

void LightEffectGenerator::keyPressed(int row, int column)
{
    checkGuiThread();
    if (row < 0 || row >= LightGrid::kRows || column < 0 || column >= LightGrid::kColumns)
        return;
    if (!PressEffects::takesPresses(m_keySetting.effect))
        return;
    m_pressEffects.press(m_keySetting, row, column);
}

KeyPress LightEffectGenerator::pendingPress(int i) const
{
    checkGuiThread();
    return m_pressEffects.pending(i);
}

void LightEffectGenerator::restartKeyboard()
{
    m_keySetting = EffectSetting::keyboard(m_keyboardRecord);
    m_keyStep = 0;
    m_keyTurn = 0;
    m_keyEffects.start(m_keySetting, m_area);
    // Presses meant for the effect that ran before are not replayed.
    m_pressEffects.start(m_keySetting, m_area);
}

void LightEffectGenerator::setSide(const colorInfoData& record, int count, const std::list<int>& validFlags)
{
    checkGuiThread();
    m_sideRecord = record;
    m_sideSetting = EffectSetting::side(record);
    m_sideEffects.setSegments(count, validFlags);
    m_sideStep = 0;
}

void LightEffectGenerator::changeSide(const colorInfoData& record)
{
    checkGuiThread();
    const bool sameEffect = record.ledType == m_sideSetting.effect;
    m_sideRecord = record;
    m_sideSetting = EffectSetting::side(record);
    if (!sameEffect)
        m_sideStep = 0;
}

void LightEffectGenerator::runKeyboard(void (*frameReady)(const lightFrameCell*))
{
    checkGuiThread();
    if (PressEffects::draws(m_keySetting.effect))
        m_pressEffects.render(m_keySetting, m_keyStep, m_keyFrame.data());
    else
        m_keyEffects.render(m_keySetting, m_keyStep, m_keyTurn, m_keyFrame.data());
    ++m_keyStep;
    m_keyTurn += KeyboardEffects::turnSign(m_keySetting);
    if (frameReady)
        frameReady(m_keyFrame.data());
}

void LightEffectGenerator::runSide(void (*frameReady)(const lightFrameCell*))
{
    checkGuiThread();
    m_sideEffects.render(m_sideSetting, m_sideStep, m_sideFrame.data());
    ++m_sideStep;
    if (frameReady)
        frameReady(m_sideFrame.data());
}

lightRgbValue LightEffectGenerator::colorMix(int row, int column) const
{
    checkGuiThread();
    if (row < 0 || row >= LightGrid::kRows || column < 0 || column >= LightGrid::kColumns)
        return {0, 0, 0};
    const lightFrameCell& c = m_keyFrame[static_cast<size_t>(row * LightGrid::kColumns + column)];
    const int a = c.intensity;
    const lightRgbValue& b = m_keySetting.bottom;
    auto over = [a](int top, int bottom) { return (top * a + bottom * (255 - a) + 127) / 255; };
    return {over(c.red, b.red), over(c.green, b.green), over(c.blue, b.blue)};
}

lightRgbValue LightEffectGenerator::rippleColor() const
{
    checkGuiThread();
    return m_pressEffects.rippleColour(m_keySetting);
}

autoRippleLightConfig LightEffectGenerator::autoRippleConfig() const
{
    checkGuiThread();
    return m_pressEffects.autoRippleConfig();
}

sideCollisionInfo LightEffectGenerator::sideCollision() const
{
    checkGuiThread();
    return m_sideEffects.collision();
}
