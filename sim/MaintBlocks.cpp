#include "MaintBlocks.h"

#include "DspBlock.h"
#include "UnitReplies.h"

#include <array>

namespace simsettings {

namespace {

bool isDigits(const QByteArray &text)
{
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.isEmpty();
}

// The payload of code + payload + "ID" when its width is one of those given, else nothing.
std::optional<QByteArray> payloadOf(const QByteArray &request, const char *code,
                                    std::initializer_list<int> widths)
{
    const int codeLength = int(qstrlen(code));
    if (!request.startsWith(code) || !request.endsWith("ID"))
        return std::nullopt;
    const int width = int(request.size()) - codeLength - 2;
    for (int w : widths) {
        if (w == width)
            return request.mid(codeLength, width);
    }
    return std::nullopt;
}

// The "WP" payload as last written: CT level 075 with adjustment 100 until then.
QByteArray &ctBlock(SimUnit &unit)
{
    QByteArray &b = unit.blocks["CT"];
    if (b.size() != 7)
        b = "7500100";
    return b;
}

// The read answer: the level bytes as written (flags included), two unused characters,
// then the adjustment value.
QByteArray ctReadReply(SimUnit &unit)
{
    const QByteArray &b = ctBlock(unit);
    return "P" + b.left(3) + "00" + b.mid(4, 3);
}

// Alarm flag, temperature channel and line speed code, as the "KS" answer carries them.
QByteArray &unitBlock(SimUnit &unit)
{
    QByteArray &b = unit.blocks["UNIT"];
    if (b.size() != 6)
        b = "ON" + QByteArray::number(unit.channel % 100).rightJustified(2, '0') + "01";
    return b;
}

struct DspWrite {
    const char *code;
    DspValue value;
};
constexpr std::array<DspWrite, 5> DspWrites{{
    {"ADIR", Multiplier},
    {"ADCN", ControlCheck},
    {"ADIC", Divisor},
    {"ADOF", Offset},
    {"WL", BackData},
}};

// "WT" + month, day, hour, minute, second, year + weekday code (ignored: the date says it).
std::optional<QDateTime> clockOf(const QByteArray &text)
{
    if (text.size() < 12 || !isDigits(text.left(12)))
        return std::nullopt;
    const auto two = [&](int at) { return text.mid(at, 2).toInt(); };
    const QDate date(2000 + two(10), two(0), two(2));
    const QTime time(two(4), two(6), two(8));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

} // namespace

std::optional<QList<QByteArray>> maintBlocks(SimUnit &unit, const QByteArray &request)
{
    if (request == "RPID")
        return QList<QByteArray>{ctReadReply(unit)};
    if (const auto p = payloadOf(request, "WP", {7})) {
        ctBlock(unit) = *p;
        return QList<QByteArray>{"WP"};
    }

    if (request == "ADRDDTID")
        return QList<QByteArray>{dspReadReply(unit)};
    for (const DspWrite &w : DspWrites) {
        if (const auto p = payloadOf(request, w.code, {4}); p && isDigits(*p)) {
            setDspValue(unit, w.value, *p);
            return QList<QByteArray>{"EOK"};
        }
    }

    if (request == "KKID")
        return QList<QByteArray>{"KS" + unitBlock(unit)};
    if (const auto p = payloadOf(request, "BR", {4}); p && p->endsWith("48") && isDigits(p->left(2))) {
        unitBlock(unit).replace(4, 2, p->left(2));
        return QList<QByteArray>{"KK"};
    }
    if (const auto p = payloadOf(request, "CN", {2}); p && (*p == "ON" || *p == "OF")) {
        unitBlock(unit).replace(0, 2, *p);
        return QList<QByteArray>{"KK"};
    }
    // The temperature sensor number and the unit's temperature channel are one setting,
    // written by two windows that wait for different acknowledgements: the unit gives both.
    if (const auto p = payloadOf(request, "TP", {2}); p && isDigits(*p)) {
        unitBlock(unit).replace(2, 2, *p);
        unit.blocks.insert("sensorNumber", *p);
        return QList<QByteArray>{"TK", "KK"};
    }
    if (request == "CLID") {
        unit.logsErasedAt = unit.now();
        return QList<QByteArray>{"KM", "KE"};
    }

    if (const auto p = payloadOf(request, "WT", {12, 13})) {
        const auto t = clockOf(*p);
        if (!t)
            return QList<QByteArray>{};
        unit.setClock(*t, !unit.frozenClock.isValid());
        return QList<QByteArray>{unitreply::clock(unit, unit.now())};
    }
    return std::nullopt;
}

} // namespace simsettings
