#include "FieldCodes.h"

#include "RateCells.h"
#include "common/Vb.h"

std::optional<QByteArray> FieldCode(const QString &text, int width, int divisor)
{
    if (text.isEmpty() || divisor < 1)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const QByteArray code = Format(Val(text) / divisor, QString(width, u'0')).toLatin1();
    if (code.size() != width)
        return std::nullopt;
    return code;
}

QString ReceivedDigits(const QByteArray &text, int width)
{
    return RateCells::isDigits(text, width) ? QString::fromLatin1(text) : QString();
}
