#include "FormatsLocale.h"

QLocale FormatsLocale(const QLocale& systemLocale)
{
    if (systemLocale.language() == QLocale::Russian)
        return systemLocale;
    return QLocale(QLocale::Russian, QLocale::Russia);
}
