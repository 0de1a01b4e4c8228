#include "SimUnit.h"

#include <QStringList>

QDateTime SimUnit::now() const
{
    if (frozenClock.isValid())
        return frozenClock;
    return QDateTime::currentDateTime().addMSecs(clockOffsetMs);
}

void SimUnit::setClock(const QDateTime &t, bool running)
{
    frozenClock = running ? QDateTime() : t;
    clockOffsetMs = running ? QDateTime::currentDateTime().msecsTo(t) : 0;
}

void SimUnit::usePcClock()
{
    frozenClock = QDateTime();
    clockOffsetMs = 0;
}

bool SimUnit::isKnownKind(const QByteArray &kind)
{
    return kind == "A" || kind == "B" || kind == "C" || kind == "D" || kind == "WJ";
}

namespace {

std::optional<int> twoDigitNumber(const QString &text, int max)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || text.size() > 2 || n < 0 || n > max)
        return std::nullopt;
    return n;
}

std::optional<SimUnit> fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

} // namespace

std::optional<SimUnit> SimUnit::fromDescription(const QString &description, QString *error)
{
    const QStringList parts = description.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 4)
        return fail(error, QStringLiteral("expected NN:KIND[:CH[:stream|day]]: %1").arg(description));
    const auto id = twoDigitNumber(parts[0], 12);
    if (!id || parts[0].size() != 2)
        return fail(error, QStringLiteral("unit must be 00..12: %1").arg(parts[0]));
    SimUnit u;
    u.id = parts[0].toLatin1();
    u.kind = parts[1].toUpper().toLatin1();
    if (!isKnownKind(u.kind))
        return fail(error, QStringLiteral("kind must be A, B, C, D or WJ: %1").arg(parts[1]));
    u.channel = *id;
    if (parts.size() > 2) {
        const auto ch = twoDigitNumber(parts[2], 99);
        if (!ch)
            return fail(error, QStringLiteral("channel must be 00..99: %1").arg(parts[2]));
        u.channel = *ch;
    }
    u.sprayNo = u.channel;
    if (parts.size() > 3) {
        if (parts[3] != QLatin1String("stream") && parts[3] != QLatin1String("day"))
            return fail(error, QStringLiteral("mode must be stream or day: %1").arg(parts[3]));
        u.streaming = parts[3] == QLatin1String("stream");
    }
    return u;
}

QList<SimUnit> SimUnit::demoPopulation()
{
    struct Row {
        const char *id, *kind;
        int channel;
        bool streaming;
        char controlState;
        const char *sprayState;
    };
    static const Row rows[] = {
        {"00", "A", 10, false, '0', "ON"}, {"01", "A", 1, true, '3', "ON"},
        {"02", "B", 2, true, '0', "ON"},   {"03", "C", 3, false, '0', "ON"},
        {"04", "D", 4, true, '0', "ON"},   {"05", "WJ", 5, false, '0', "ON"},
        {"06", "A", 6, false, 'G', "ON"},  {"07", "B", 7, false, '5', "ON"},
        {"08", "C", 8, true, '7', "ON"},   {"09", "D", 9, false, '0', "ON"},
        {"10", "WJ", 10, true, '0', "OF"}, {"11", "A", 11, true, '6', "ON"},
        {"12", "A", 12, false, '0', "ON"},
    };
    QList<SimUnit> units;
    int n = 0;
    for (const Row &r : rows) {
        SimUnit u;
        u.id = r.id;
        u.kind = r.kind;
        u.channel = r.channel;
        u.sprayNo = u.kind == "WJ" ? ++n : 1;
        u.streaming = r.streaming;
        u.controlState = r.controlState;
        u.sprayState = r.sprayState;
        u.season = char('1' + u.channel % 4);
        u.band = char('1' + u.channel % 3);
        units << u;
    }
    return units;
}
