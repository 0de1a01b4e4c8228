#include "UnitReplies.h"

#include "common/Vb.h"

namespace unitreply {

namespace {

// Zero-padded decimal of a fixed width; out-of-range values are held at the nearest end.
QByteArray digits(int value, int width)
{
    int max = 1;
    for (int i = 0; i < width; ++i)
        max *= 10;
    return Format(qBound(0, value, max - 1), QString(width, QLatin1Char('0'))).toLatin1();
}

bool allDigits(const QByteArray &text)
{
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return !text.isEmpty();
}

} // namespace

QByteArray monitoring(const SimUnit &unit, int tick)
{
    const int id = unit.id.toInt();
    const int current = 100 + (tick * 37 + id * 13) % 400;   // tenths of an ampere
    const int temperature = 200 + (tick * 7 + id * 3) % 150; // tenths of a degree
    QByteArray q = "Q";
    q += digits(current, 4);
    q += char('0' + tick % 10);
    q += digits(temperature, 3);
    q += '+';
    q += digits(unit.channel, 2);
    q += unit.controlState;
    q += unit.id.left(2).rightJustified(2, '0');
    q += unit.version.left(2).rightJustified(2, '0');
    q += digits(unit.sprayNo, 2);
    q += unit.sprayState.left(2).leftJustified(2, ' ');
    q += unit.spraySuffix;
    return q;
}

QByteArray clock(const SimUnit &unit, const QDateTime &t)
{
    const QDate d = t.date();
    const QTime time = t.time();
    QByteArray a = "A";
    a += digits(time.hour(), 2) + digits(time.minute(), 2) + "00" + digits(time.second(), 2);
    a += digits(d.month(), 2) + digits(d.day(), 2);
    a += unit.season;
    a += unit.band;
    a += unit.rest;
    a += char('0' + d.dayOfWeek() - 1); // "0" is Monday
    a += digits(d.year() % 100, 2);
    a += "000";
    a += unit.wjSeason;
    a += unit.wjBand;
    return a;
}

QByteArray logHeader(const SimUnit &unit, int day)
{
    return "Y" + digits(unit.channel, 2) + unit.streamFlag() + digits(day, 2);
}

QByteArray recordPayload(const QByteArray &unitId, const QByteArray &kind, int yy, int mm, int dd, int slot)
{
    const int seed = unitId.toInt() * 17 + yy * 5 + mm * 31 + dd * 7;
    const int wave = (slot * 37 + seed * 11) % 97; // 0..96, moves from slot to slot
    const int k = slot + seed;                     // picks the slots that carry values a download clamps

    if (kind == "D") {
        int power = 100 + wave * 40 + slot * 3; // tenths of a kilowatt
        if (k % 17 == 4)
            power = 90001 + wave; // above the plausible range
        else if (k % 19 == 7)
            power = slot % 7; // below it
        return digits(power, 5);
    }
    if (kind == "C") {
        int t = 150 + (wave * 3) % 200; // tenths of a degree
        if (k % 23 == 4)
            t = -35;
        return digits(1000 + t, 4) + digits(1000 + t + 3, 4) + digits(1000 + t + 5, 4) +
               digits(1000 + t + 2, 4);
    }
    int average = 120 + wave * 4; // tenths of an ampere
    if (k % 11 == 5)
        average = slot % 10; // a stopped machine
    int controlling = qMax(0, average - 20 - wave % 15);
    if (k % 7 == 3)
        controlling = average + 35; // above the average, which a download holds down
    if (kind == "WJ") {
        const QByteArray mode = digits(k % 4, 2);
        const int spray = (wave * 17) % 1801;
        return digits(average, 4) + "12" + mode + digits(spray, 4) + digits(250 + wave, 4);
    }
    int control = (wave * 17) % 1500; // seconds in the half hour
    if (k % 13 == 6)
        control = 3100 + wave;
    else if (k % 13 == 9)
        control = 1751 + wave;
    int restSeconds = qMax(0, 1800 - control - wave);
    if (k % 17 == 8)
        restSeconds = 1760 + wave % 40;
    return digits(average, 4) + digits(controlling, 4) + digits(control, 4) + digits(restSeconds, 4);
}

int completedSlots(const QTime &t)
{
    return 2 * t.hour() + (t.minute() > 30 ? 1 : 0);
}

int monthLength(int mm, bool leapFebruary)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mm < 1 || mm > 12)
        return 0;
    return mm == 2 && leapFebruary ? 29 : lengths[mm - 1];
}

std::optional<LogRequest> parseLogRequest(const QByteArray &text)
{
    if (text.size() != 12 || !text.endsWith("ID"))
        return std::nullopt;
    const QByteArray code = text.left(2), mode = text.mid(6, 2);
    if (code != "RM" && code != "TM" && code != "BM")
        return std::nullopt;
    if (mode != "BB" && mode != "AA" && mode != "AC")
        return std::nullopt;
    if (!allDigits(text.mid(2, 4)) || !allDigits(text.mid(8, 2)))
        return std::nullopt;
    LogRequest r;
    r.mm = text.mid(2, 2).toInt();
    r.dd = text.mid(4, 2).toInt();
    r.yy = text.mid(8, 2).toInt();
    r.range = mode != "BB";
    r.leapFebruary = r.range ? mode == "AC" : r.yy % 4 == 0;
    return r;
}

} // namespace unitreply
