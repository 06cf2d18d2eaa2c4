#include "support/ThemeInUse.h"

#include "app/DDataManager.h"
#include "ui/widgets/DAppStyle.h"

#include <QTest>

ThemeInUse::ThemeInUse(int index)
{
    DDataManager::getInstance()->loadTheme(index);
    DAppStyle::apply(index);
}

ThemeInUse::~ThemeInUse()
{
    DDataManager::getInstance()->loadTheme(0);
    DAppStyle::apply(0);
}

void addEveryThemeRow()
{
    QTest::addColumn<int>("theme");
    QTest::newRow("dark") << 0;
    QTest::newRow("light") << 1;
    QTest::newRow("blue") << 2;
    QTest::newRow("pink") << 3;
}
