#include "AppState.h"

QString MakeSlotLabels()
{
    QStringList labels;
    for (int k = 0; k < 48; ++k)
        labels
            << QStringLiteral("%1:%2").arg(k / 2, 2, 10, QChar('0')).arg(k % 2 ? 30 : 0, 2, 10, QChar('0'));
    return labels.join(QLatin1Char(','));
}
