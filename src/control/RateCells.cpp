#include "RateCells.h"

#include "common/Vb.h"

namespace RateCells {

namespace {
const QString Rest = QStringLiteral("休止");
const QString Continuous = QStringLiteral("連続");
const QString SecondsSuffix = QStringLiteral(" _秒");
} // namespace

bool isDigits(const QByteArray &text, int width)
{
    if (text.size() != width)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

QString cellFromEntry(const QString &entry)
{
    if (Val(entry) == 0)
        return Rest;
    if (entry == QLatin1String("999"))
        return Continuous;
    return secondsCellFromEntry(entry);
}

QString secondsCellFromEntry(const QString &entry)
{
    return Format(Val(entry), QStringLiteral("000")) + SecondsSuffix;
}

std::optional<QByteArray> secondsCodeOf(const QString &cell)
{
    if (cell.size() < 6 || cell[5] != u'秒')
        return std::nullopt;
    const QByteArray code = cell.left(3).toLatin1();
    if (!isDigits(code, 3))
        return std::nullopt;
    return code;
}

std::optional<QByteArray> codeOf(const QString &cell)
{
    if (auto code = secondsCodeOf(cell))
        return code;
    if (cell.startsWith(Rest))
        return QByteArray("000");
    if (cell.startsWith(Continuous))
        return QByteArray("999");
    return std::nullopt;
}

QString secondsCellFromCode(const QByteArray &code)
{
    return isDigits(code, 3) ? QString::fromLatin1(code) + SecondsSuffix : QString();
}

QString cellFromCode(const QByteArray &code)
{
    if (code == "000")
        return Rest;
    if (code == "999")
        return Continuous;
    return secondsCellFromCode(code);
}

} // namespace RateCells
