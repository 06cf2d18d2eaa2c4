#include "ui/widgets/DAppStyle.h"

#include "app/DDataManager.h"
#include "app/DStyleSheetUrl.h"
#include "app/DThemePalette.h"
#include "app/DThemeStyleSheet.h"
#include "app/logCategories.h"
#include "ui/widgets/DThemeIcons.h"

#include <QApplication>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <iterator>

namespace DAppStyle {

QString themeName(int themeIndex)
{
    static const char* const kNames[] = {"Black", "Light", "Blue", "Pink", "Other"};
    if (themeIndex < 0 || themeIndex >= int(std::size(kNames)))
        return QString();
    return QLatin1String(kNames[themeIndex]);
}

QHash<QString, QString> extras(int themeIndex)
{
    const DDataManager* data = DDataManager::getInstance();
    QHash<QString, QString> extras;
    const QString name = themeName(themeIndex);
    extras.insert(QStringLiteral("theme"), name);
    QString family = data->themeColors().textFont;
    family.remove(QLatin1Char('"'));
    extras.insert(QStringLiteral("font"), QLatin1Char('"') + family + QLatin1Char('"'));
    // The pictures of a background-image theme lie beside the program.
    const QString pictures = DDataManager::applicationDirPath() + QStringLiteral("/images/");
    extras.insert(QStringLiteral("titleImage"),
                  DStyleSheetUrl::of(pictures + QStringLiteral("bgImageTitle_%1.png").arg(name)));
    extras.insert(QStringLiteral("mainImage"),
                  DStyleSheetUrl::of(pictures + QStringLiteral("bgImageMain_%1.png").arg(name)));
    return extras;
}

QString sheet(int themeIndex)
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    QStringList unknown;
    const QString filled = DThemeStyleSheet::fill(DThemeStyleSheet::templates(), roles, extras(themeIndex), &unknown);
    if (!unknown.isEmpty())
        qCWarning(lcUi) << "style sheet names unknown colours:" << unknown;
    return DThemeIcons::restyle(filled, roles.color(DThemeRoles::Text), roles.color(DThemeRoles::AccentText));
}

void apply(int themeIndex)
{
    const QString filled = sheet(themeIndex);
    QApplication::setPalette(DThemePalette::fromTheme(DDataManager::getInstance()->themeColors()));
    if (qApp->styleSheet() != filled)
        qApp->setStyleSheet(filled);
}

void setState(QWidget* widget, const char* property, const QVariant& value)
{
    if (!widget || widget->property(property) == value)
        return;
    widget->setProperty(property, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace DAppStyle
