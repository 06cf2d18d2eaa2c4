#pragma once

// While it lives, theme `index` is the loaded theme and its sheet is on the
// application, as the settings dialog's choice makes it; the first theme
// again afterwards, as prepareApplicationTest left it.
class ThemeInUse
{
public:
    explicit ThemeInUse(int index);
    ~ThemeInUse();
    ThemeInUse(const ThemeInUse&) = delete;
    ThemeInUse& operator=(const ThemeInUse&) = delete;
};

// A "theme" column (int) with a row for each of the four shipped themes:
// dark, light, blue and pink.
void addEveryThemeRow();
