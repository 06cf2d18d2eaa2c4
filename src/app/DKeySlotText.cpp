#include "app/DKeySlotText.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

const QChar kEllipsis(0x2026);

bool fits(const QFontMetrics& metrics, const QString& text, int width)
{
    return metrics.horizontalAdvance(text) <= width;
}

} // namespace

DKeySlotText::DKeySlotText(const QString& combination, const QFontMetrics& metrics, int width)
{
    if (fits(metrics, combination, width)) {
        m_shown = combination;
        return;
    }
    m_toolTip = combination;
    const QStringList parts = combination.split(QLatin1Char('+'));
    const QString plus = QStringLiteral("+");
    // The most whole names that fit, the key (the last part) first, then
    // alternately one more from the front and one more from the back.
    QString best;
    if (parts.size() > 1) {
        int front = 0;
        int back = 1;
        bool takeFront = true;
        for (;;) {
            const int nextFront = takeFront ? front + 1 : front;
            const int nextBack = takeFront ? back : back + 1;
            // The ellipsis must stand for at least one name.
            if (nextFront + nextBack >= parts.size())
                break;
            QStringList kept = parts.mid(0, nextFront);
            kept << QString(kEllipsis);
            kept += parts.mid(parts.size() - nextBack);
            const QString candidate = kept.join(plus);
            if (!fits(metrics, candidate, width))
                break;
            best = candidate;
            front = nextFront;
            back = nextBack;
            takeFront = !takeFront;
        }
        if (best.isEmpty()) {
            const QString keyOnly = QString(kEllipsis) + plus + parts.last();
            if (fits(metrics, keyOnly, width))
                best = keyOnly;
        }
    }
    // A single name too long for the slot, or no whole names that fit: cut
    // inside the text.
    m_shown = best.isEmpty() ? metrics.elidedText(combination, Qt::ElideMiddle, width) : best;
}
