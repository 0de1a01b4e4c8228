#include "OptionValues.h"

#include <QRegularExpression>

QString GroupNoValue(const QString &text)
{
    static const QRegularExpression group(QStringLiteral("^[0-9]{1,2}$"));
    if (!group.match(text).hasMatch() || text.toInt() < 1 || text.toInt() > 50)
        return {};
    return QStringLiteral("%1").arg(text.toInt(), 2, 10, QLatin1Char('0'));
}

const QStringList &UnitKindCodes()
{
    static const QStringList kinds{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("WJ"),
                                   QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("G")};
    return kinds;
}
