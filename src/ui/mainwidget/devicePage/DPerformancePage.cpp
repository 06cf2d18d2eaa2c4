#include "DPerformancePage.h"

DPerformancePage::DPerformancePage(QWidget* parent)
    : QWidget(parent)
{
}

void DPerformancePage::retranslate()
{
}

void DPerformancePage::setTheme()
{
}
