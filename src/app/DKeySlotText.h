#pragma once

#include <QString>

class QFontMetrics;

// What a key slot of the advanced-key editor shows of the combination bound
// to it, "L_CTRL+L_SHIFT+A", when the slot is narrower than the text: whole
// names from both ends around an ellipsis ("L_CTRL+…+A"), so the first
// modifier and the key itself stay readable; the whole combination is the
// slot's tip whenever anything was left out.
class DKeySlotText
{
public:
    DKeySlotText(const QString& combination, const QFontMetrics& metrics, int width);

    // Shows `combination` on a key slot (a label or a button) as far as it
    // fits inside the slot's widest, less `padding` for its border.
    template<typename Slot>
    static void showOn(Slot* slot, const QString& combination, int padding)
    {
        // The sheet's font is the one drawn; it is set on polishing.
        slot->ensurePolished();
        const DKeySlotText text(combination, slot->fontMetrics(), slot->maximumWidth() - padding);
        slot->setText(text.shown());
        slot->setToolTip(text.toolTip());
    }

    QString shown() const { return m_shown; }
    // The whole combination when shown() leaves some of it out, else empty.
    QString toolTip() const { return m_toolTip; }

private:
    QString m_shown;
    QString m_toolTip;
};
