#include "DownloadRequests.h"

#include "common/Vb.h"

namespace {

QByteArray twoDigits(int value)
{
    return Format(value, QStringLiteral("00")).toLatin1();
}

QByteArray request(const QString &kind, int year, int month, int day, const QByteArray &mode)
{
    const QByteArray code = RequestCode(kind);
    if (code.isEmpty())
        return {};
    return code + twoDigits(month) + twoDigits(day) + mode + twoDigits(year) + "ID";
}

} // namespace

QByteArray RequestCode(const QString &kind)
{
    if (kind == QLatin1String("A") || kind == QLatin1String("B") || kind == QLatin1String("D"))
        return "RM";
    if (kind == QLatin1String("C"))
        return "TM";
    if (kind == QLatin1String("WJ"))
        return "BM";
    return {};
}

int MonthLength(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    static const QString leap = QStringLiteral("0312931303130313130313031");
    static const QString common = QStringLiteral("0312831303130313130313031");
    return int(Val(Mid(year % 4 == 0 ? leap : common, 2 * month, 2)));
}

QByteArray RangeCode(int year)
{
    return year % 4 == 0 ? "AC" : "AA";
}

QByteArray DayRequest(const QString &kind, int year, int month, int day)
{
    return request(kind, year, month, day, "BB");
}

QByteArray MonthRequest(const QString &kind, int year, int month, int day)
{
    return request(kind, year, month, day, RangeCode(year));
}

QByteArray FinishRequest()
{
    return "FNID";
}

int ClockSlot(const QString &hh, const QString &mi)
{
    return 2 * int(Val(hh)) + (Val(mi) > 30 ? 1 : 0);
}
