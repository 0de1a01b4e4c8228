#include "ScheduleBlocks.h"

#include "DspBlock.h"

#include <QRegularExpression>

namespace simsettings {

namespace {

// Defaults until written: every band of a season differs, so a misplaced cell shows.
constexpr char Seasons[] = "03010531060108310901113012010228";
constexpr char SpraySeasons[] = "04010630070108310901103011010331";
constexpr char Bands1[] = "08001200120013001300170017002100";
constexpr char Bands2[] = "073011591200125913001659170020290900113011301230123016301630190008301200120013001300160016001800";
constexpr char SprayBands1[] = "09001130113012301230163016301900";
constexpr char ReadFiller[] = "12345678912345";

struct Read {
    const char *request;
    const char *reply; // the reply's code, the block follows
    const char *block;
    const char *fallback;
};
const Read reads[] = {
    {"RS", "S", "seasons", Seasons},
    {"BS", "S", "spraySeasons", SpraySeasons},
    {"RK", "K", "bands2", Bands2},
    {"BK", "K", "sprayBands2", Bands2},
    {"TR", "TW", "temperatureRange", "+300-050"},
    {"TQ", "TQ", "sensorNumber", "01"},
};

// Writes are stored and acknowledged only with the exact payload: a unit does not answer a
// frame it cannot take.
struct Write {
    const char *code;
    const char *pattern; // the whole payload
    const char *block;
    int keep;            // characters of the payload stored (the padding is not)
    const char *ack;
};
const Write writes[] = {
    {"WS", "[0-9]{32}", "seasons", 32, "WS"},
    {"DS", "[0-9]{32}", "spraySeasons", 32, "WS"},
    {"WJ", "[0-9]{32}0000", "bands1", 32, "WJ"},
    {"DJ", "[0-9]{32}0000", "sprayBands1", 32, "WJ"},
    {"WK", "[0-9]{96}0{12}", "bands2", 96, "WK"},
    {"DK", "[0-9]{96}0{12}", "sprayBands2", 96, "WK"},
    {"TC", "[+-][0-9]{3}[+-][0-9]{3}", "temperatureRange", 8, "TK"},
};

// The continuous-mode times sit at the end of the DSP block.
struct DspWrite {
    const char *code;
    DspValue value;
    const char *ack;
};
const DspWrite dspWrites[] = {{"ADRL", Continuous1, "ERL"}, {"ADCF", Continuous2, "ECF"}};

std::optional<QByteArray> payloadOf(const QByteArray &request, const char *code)
{
    if (!request.startsWith(code) || !request.endsWith("ID") || request.size() < int(qstrlen(code)) + 2)
        return std::nullopt;
    return request.mid(qstrlen(code), request.size() - qstrlen(code) - 2);
}

bool matches(const QByteArray &payload, const char *pattern)
{
    return QRegularExpression(QStringLiteral("^%1$").arg(QLatin1String(pattern)))
        .match(QString::fromLatin1(payload))
        .hasMatch();
}

QList<QByteArray> one(const QByteArray &reply)
{
    return {reply};
}

} // namespace

std::optional<QList<QByteArray>> scheduleBlocks(SimUnit &unit, const QByteArray &request)
{
    for (const Read &r : reads) {
        if (request == QByteArray(r.request) + "ID")
            return one(r.reply + unit.blocks.value(r.block, r.fallback));
    }
    if (request == QByteArray("RJ") + ReadFiller + "ID")
        return one("C" + unit.blocks.value("bands1", Bands1));
    if (request == QByteArray("BJ") + ReadFiller + "ID")
        return one("C" + unit.blocks.value("sprayBands1", SprayBands1));

    for (const Write &w : writes) {
        const auto payload = payloadOf(request, w.code);
        if (!payload)
            continue;
        if (!matches(*payload, w.pattern))
            return QList<QByteArray>{};
        unit.blocks.insert(w.block, payload->left(w.keep));
        return one(w.ack);
    }
    for (const DspWrite &w : dspWrites) {
        const auto payload = payloadOf(request, w.code);
        if (!payload)
            continue;
        if (!matches(*payload, "[0-9]{4}"))
            return QList<QByteArray>{};
        setDspValue(unit, w.value, *payload);
        return one(w.ack);
    }
    return std::nullopt;
}

} // namespace simsettings
