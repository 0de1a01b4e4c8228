#include "UnitClockCodec.h"

#include "common/Vb.h"

#include <array>

namespace {

const std::array<const char *, 7> &dayNames()
{
    static const std::array<const char *, 7> names{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return names;
}

} // namespace

QString PcDateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd_")) + QLatin1String(dayNames()[date.dayOfWeek() - 1]);
}

QString PcTimeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QByteArray WeekdayCode(const QString &dayName)
{
    for (int i = 0; i < 7; ++i) {
        if (dayName == QLatin1String(dayNames()[i]))
            return QByteArray::number(i);
    }
    return QByteArray();
}

QByteArray ClockSetText(const QString &dateText, const QString &timeText)
{
    const auto two = [](const QString &part) { return Format(part, QStringLiteral("00")).toLatin1(); };
    return two(Mid(dateText, 6, 2)) + two(Mid(dateText, 9, 2)) + two(Mid(timeText, 1, 2)) +
           two(Mid(timeText, 4, 2)) + two(Mid(timeText, 7, 2)) + two(Mid(dateText, 3, 2)) +
           WeekdayCode(Mid(dateText, 12, 3));
}
