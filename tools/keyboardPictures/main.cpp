// Draws the keyboard picture of one model from its key-layout description:
// a case with a well under every key and a cap with its legend in the well,
// at the picture size the description gives. The program lays its transparent
// key caps over exactly these places.
//
//   orvane-keyboard-picture <KeyInfo_model.config> <Keyboard_model.png> [mode]
//
// With a mode (0, 1, 2) the picture shows that keyboard mode lit on the
// case's mode indicator.

#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kNotchX = 10;
constexpr int kWellGrow = 2;

struct Palette
{
    QColor caseTop;
    QColor caseBottom;
    QColor caseEdge;
    QColor well;
    QColor capTop;
    QColor capBottom;
    QColor capEdge;
    QColor modCap;
    QColor accentCap;
    QColor legend;
};

// Magnetic-switch boards get the lighter shell of that series.
Palette paletteFor(int deviceType)
{
    if (deviceType == 4)
        return {QColor(214, 216, 224), QColor(186, 189, 200), QColor(150, 153, 166), QColor(58, 60, 70),
                QColor(246, 246, 248), QColor(226, 227, 232), QColor(170, 172, 182), QColor(198, 201, 212),
                QColor(255, 126, 40),  QColor(44, 46, 56)};
    return {QColor(52, 54, 66), QColor(34, 35, 44),  QColor(78, 81, 96), QColor(14, 15, 20),  QColor(70, 73, 88),
            QColor(52, 54, 66), QColor(92, 96, 114), QColor(44, 46, 58), QColor(200, 40, 60), QColor(222, 224, 234)};
}

bool isModifier(int usage)
{
    switch (usage) {
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
    case 57:
    case 88:
    case -10:
        return true;
    default:
        return (usage >= 224 && usage <= 231) || usage == 101;
    }
}

QPainterPath capPath(const QRectF& rect, int usage, bool notchedEnter, qreal radius)
{
    QPainterPath path;
    if (usage == 40 && notchedEnter) {
        // ISO Enter: full width over the upper row, narrower below it.
        const qreal notchY = (rect.height() - 4) / 2;
        QPainterPath upper;
        upper.addRoundedRect(QRectF(rect.left(), rect.top(), rect.width(), notchY), radius, radius);
        QPainterPath lower;
        lower.addRoundedRect(QRectF(rect.left() + kNotchX, rect.top(), rect.width() - kNotchX, rect.height()), radius,
                             radius);
        return upper.united(lower);
    }
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QString legendFor(const DKeyLayoutEntry& key)
{
    if (key.dec == 49 || key.dec == 100)
        return QStringLiteral("|\n\\");
    if (key.dec == 52)
        return QStringLiteral("\"\n'");
    return key.label;
}

void drawKeyboard(QImage& image, const DKeyLayoutDescription& layout, int mode)
{
    const DKeyLayoutDescription::Header& header = layout.header();
    const Palette colours = paletteFor(header.hidDeviceType);
    const bool notchedEnter = header.specialEnterKey == 1;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const QRectF caseRect(0.5, 0.5, image.width() - 1.0, image.height() - 1.0);
    QLinearGradient caseFill(0, 0, 0, image.height());
    caseFill.setColorAt(0, colours.caseTop);
    caseFill.setColorAt(1, colours.caseBottom);
    painter.setPen(QPen(colours.caseEdge, 1.0));
    painter.setBrush(caseFill);
    painter.drawRoundedRect(caseRect, 12, 12);

    const DKeyLayoutDescription::Grid grid = layout.keyGrid();
    for (const auto& row : grid) {
        for (const DKeyLayoutEntry& key : row) {
            if (DKeyLayoutDescription::isEmptySlot(key) || key.width <= 0 || key.height <= 0)
                continue;
            const QRectF rect(key.posX, key.posY, key.width, key.height);

            painter.setPen(Qt::NoPen);
            painter.setBrush(colours.well);
            painter.drawPath(
                capPath(rect.adjusted(-kWellGrow, -kWellGrow, kWellGrow, kWellGrow), key.dec, notchedEnter, 6));

            const QRectF capRect = rect.adjusted(1.5, 1, -1.5, -3);
            QColor top = colours.capTop;
            QColor bottom = colours.capBottom;
            if (key.dec == 41) {
                top = colours.accentCap.lighter(115);
                bottom = colours.accentCap;
            } else if (isModifier(key.dec)) {
                top = colours.modCap.lighter(108);
                bottom = colours.modCap;
            }
            QLinearGradient capFill(0, capRect.top(), 0, capRect.bottom());
            capFill.setColorAt(0, top);
            capFill.setColorAt(1, bottom);
            painter.setPen(QPen(colours.capEdge, 1.0));
            painter.setBrush(capFill);
            painter.drawPath(capPath(capRect, key.dec, notchedEnter, 5));

            const QString legend = legendFor(key);
            QFont font(QStringLiteral("Noto Sans CJK SC"));
            const qreal unit = std::min(key.width, key.height);
            const qreal size = unit * (legend.size() > 2 ? 0.24 : 0.32);
            font.setPixelSize(std::max(7, static_cast<int>(size)));
            font.setWeight(QFont::DemiBold);
            painter.setFont(font);
            painter.setPen(key.dec == 41 ? QColor(255, 255, 255) : colours.legend);
            const QRectF textRect = capRect.adjusted(4, 2, -3, -2);
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, legend);
        }
    }

    if (mode >= 0) {
        // Three mode lamps in the top border, the active one lit.
        const qreal radius = 2.5;
        for (int i = 0; i < 3; ++i) {
            const QPointF centre(image.width() - 40 + i * 10, 6);
            painter.setPen(Qt::NoPen);
            painter.setBrush(i == mode ? QColor(60, 220, 120) : colours.well);
            painter.drawEllipse(centre, radius, radius);
        }
    }
}

int fail(const QString& text)
{
    QTextStream(stderr) << "orvane-keyboard-picture: " << text << "\n";
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return fail(QStringLiteral("usage: orvane-keyboard-picture <layout.config> <picture.png> [mode]"));

    QFile file(args.at(1));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(args.at(1)));
    DKeyLayoutDescription layout;
    if (!layout.parse(file.readAll(), 0, 6, true))
        return fail(QStringLiteral("%1 is not a key-layout description").arg(args.at(1)));
    const int width = layout.header().pictureWidth;
    const int height = layout.header().pictureHeight;
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return fail(QStringLiteral("%1 gives no picture size").arg(args.at(1)));

    const int mode = args.size() > 3 ? args.at(3).toInt() : -1;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    drawKeyboard(image, layout, mode);

    QDir().mkpath(QFileInfo(args.at(2)).absolutePath());
    if (!image.save(args.at(2), "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(args.at(2)));
    return 0;
}
