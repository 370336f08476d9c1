#include "base/ScreenSettings.h"

#include <QLocale>

void ApplyScreenSettings()
{
    // The Italian locale gives "," for decimals and "/" between day, month and year.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}
