#include "ControlBlocks.h"

namespace simsettings {

namespace {

QByteArray twoDigits(int n)
{
    return QByteArray::number(n % 100).rightJustified(2, '0');
}

// Defaults until written: plausible blocks that show every cell form.
QByteArray defaultBasic(const SimUnit &unit)
{
    return "060030180020015"          // START 120 s and 60 s, protection, defrost
           "060120090000999030045060" // season 1, bands 1-4
           "0" +                      // alternating mode
           twoDigits(unit.channel) +  // channel
           "030060"                   // weekday rate
           "FNNNNNF";                 // weekdays Monday to Friday
}

QByteArray defaultRates(bool waterSpray)
{
    QByteArray codes;
    for (int v = 0; v < 24; ++v) {
        const int seconds = v % 6 == 0 ? 0 : v % 6 == 5 ? 999 : (waterSpray ? 20 : 30) * (v % 6);
        codes += QByteArray::number(seconds).rightJustified(3, '0');
    }
    return codes;
}

QByteArray defaultSprayBasic(const SimUnit &unit)
{
    return "035030180006012"          // temperatures, check time, test months
           "060030060030060030060030" // season 1 spray and pause times
           "0" +
           twoDigits(unit.sprayNo);
}

// The external control percentages the unit reports after its basic block.
constexpr char ExternalControl[] = "3050";
// The untitled fifth row of the water-spray grid, as the unit reports it.
constexpr char SprayFifthRow[] = "000000";

bool isDigits(const QByteArray &text)
{
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// "WC" + payload + "ID" with a payload of exactly `width` characters.
std::optional<QByteArray> writePayload(const QByteArray &request, const char *code, int width)
{
    if (!request.startsWith(code) || !request.endsWith("ID") || request.size() != width + 4)
        return std::nullopt;
    return request.mid(2, width);
}

QByteArray held(SimUnit &unit, const QByteArray &name, const QByteArray &fallback)
{
    return unit.blocks.value(name, fallback);
}

} // namespace

std::optional<QList<QByteArray>> controlBlocks(SimUnit &unit, const QByteArray &request)
{
    if (request == "RCID")
        return QList<QByteArray>{"B" + held(unit, "basic", defaultBasic(unit)) + ExternalControl};
    if (request == "BCID")
        return QList<QByteArray>{"B" + held(unit, "sprayBasic", defaultSprayBasic(unit)) + SprayFifthRow};
    if (request == "RDID")
        return QList<QByteArray>{"D" + held(unit, "rates", defaultRates(false))};
    if (request == "BDID")
        return QList<QByteArray>{"D" + held(unit, "sprayRates", defaultRates(true))};

    // Writes: stored and acknowledged when the payload has its exact width; a unit does
    // not answer a frame it cannot take.
    static const struct {
        const char *code;
        int width;
        const char *block;
        const char *ack;
        bool basic; // the basic block's weekday flags are letters
    } writes[] = {
        {"WC", 55, "basic", "WC", true},
        {"DC", 42, "sprayBasic", "WC", false},
        {"WD", 72, "rates", "WD", false},
        {"DD", 72, "sprayRates", "WD", false},
    };
    for (const auto &w : writes) {
        if (!request.startsWith(w.code))
            continue;
        const auto payload = writePayload(request, w.code, w.width);
        if (!payload || !isDigits(w.basic ? payload->left(48) : *payload))
            return QList<QByteArray>{};
        unit.blocks.insert(w.block, *payload);
        return QList<QByteArray>{w.ack};
    }
    return std::nullopt;
}

} // namespace simsettings
