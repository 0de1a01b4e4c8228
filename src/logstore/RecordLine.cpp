#include "RecordLine.h"

#include "common/Vb.h"

#include <QStringList>

namespace {

const QLatin1Char Tab('\t');

bool digitsAt(const QByteArray &reply, int start, int length)
{
    if (reply.size() < start - 1 + length)
        return false;
    for (int i = start - 1; i < start - 1 + length; ++i)
        if (reply[i] < '0' || reply[i] > '9')
            return false;
    return true;
}

// Every character the kind reads must be a digit; WJ does not read characters 6-7.
bool wellFormed(const QByteArray &reply, const QString &kind)
{
    if (kind == QLatin1String("D"))
        return digitsAt(reply, 2, 5);
    if (!digitsAt(reply, 2, 4) || !digitsAt(reply, 10, 8))
        return false;
    if (kind == QLatin1String("WJ"))
        return digitsAt(reply, 8, 2);
    if (kind == QLatin1String("B"))
        return true;
    return digitsAt(reply, 6, 4);
}

QString field(const QByteArray &reply, int start, int length)
{
    return QString::fromLatin1(Mid(reply, start, length));
}

} // namespace

QString RecordLine(const QByteArray &reply, const QString &kind, int day, const QString &slotLabel)
{
    const bool known = kind == QLatin1String("A") || kind == QLatin1String("B") ||
                       kind == QLatin1String("C") || kind == QLatin1String("WJ") ||
                       kind == QLatin1String("D");
    if (!known)
        return {};
    const QString prefix = Format(day, QStringLiteral("00")) + Tab + slotLabel + Tab;
    const bool ok = wellFormed(reply, kind);

    if (kind == QLatin1String("D")) {
        QString power = ok ? field(reply, 2, 5) : QStringLiteral("00000");
        const int value = int(Val(power));
        if (value > 90000 || value < 7)
            power = QStringLiteral("00000");
        return prefix + power;
    }

    if (!ok)
        return prefix + QStringList(4, QStringLiteral("0000")).join(Tab);

    QString f1 = field(reply, 2, 4), f2 = field(reply, 6, 4);
    QString f3 = field(reply, 10, 4), f4 = field(reply, 14, 4);
    if (kind == QLatin1String("A") && Val(f2) > Val(f1))
        f2 = f1;
    else if (kind == QLatin1String("B"))
        f2 = QStringLiteral("0000");
    else if (kind == QLatin1String("WJ"))
        f2 = QStringLiteral("00") + field(reply, 8, 2);

    if (kind == QLatin1String("A") || kind == QLatin1String("B")) {
        if (Val(f1) >= 10) {
            if (Val(f3) > 3000)
                f3 = QStringLiteral("0000");
            if (Val(f3) > 1750)
                f3 = QStringLiteral("1800");
            if (Val(f4) > 1750)
                f4 = QStringLiteral("1800");
        } else {
            // A stopped machine rests the whole half hour.
            f1 = f2 = f3 = QStringLiteral("0000");
            f4 = QStringLiteral("1800");
        }
    }
    return prefix + f1 + Tab + f2 + Tab + f3 + Tab + f4;
}

bool RecordHasLayout(const QByteArray &reply, const QString &kind)
{
    const qsizetype length = kind == QLatin1String("D") ? 6 : 17;
    return reply.size() == length && reply.startsWith('M') && wellFormed(reply, kind);
}

bool StoredLineHasLayout(const QString &line, const QString &kind)
{
    const bool power = kind == QLatin1String("D");
    if (kind == QLatin1String("G") || line.size() != (power ? 14 : 28))
        return false;
    // d: a digit; any other character stands for itself.
    const char *shape = power ? "dd\tdd:dd\tddddd" : "dd\tdd:dd\tdddd\tdddd\tdddd\tdddd";
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t c = line[i].unicode();
        if (shape[i] == 'd' ? c < '0' || c > '9' : c != char16_t(shape[i]))
            return false;
    }
    const int day = Mid(line, 1, 2).toInt(), hour = Mid(line, 4, 2).toInt();
    const QString minute = Mid(line, 7, 2);
    return day >= 1 && hour < 24 && (minute == QLatin1String("00") || minute == QLatin1String("30"));
}
