#pragma once
// The texts a unit sends and the log requests it understands, as pure functions, so that
// tests can compute what the line sends and what a download must store.
#include "SimUnit.h"

#include <QByteArray>
#include <QDateTime>
#include <optional>

namespace unitreply {

// Monitoring reply "Q", 22 characters; the live values follow the tick counter.
QByteArray monitoring(const SimUnit &unit, int tick);

// Clock reply "A", 24 characters, for the unit's time t.
QByteArray clock(const SimUnit &unit, const QDateTime &t);

// Log header "Y" + channel (2) + stream flag (1) + day (2).
QByteArray logHeader(const SimUnit &unit, int day);

// What follows "M" in a record reply: four 4-digit fields (kinds A, B, C, WJ) or one
// 5-digit field (kind D) for half-hour slot 0..47 of the day. Deterministic, and now and
// then outside the ranges a download clamps.
QByteArray recordPayload(const QByteArray &unitId, const QByteArray &kind, int yy, int mm, int dd, int slot);

// Half hours of the day completed at time t: 2 x hour, plus 1 past minute 30.
int completedSlots(const QTime &t);

// Days in month mm (1..12), February having 29 days when leapFebruary; 0 for other months.
int monthLength(int mm, bool leapFebruary);

// A log request: code ("RM", "TM" or "BM") + mm + dd + mode + yy + "ID". Mode "BB" asks
// for one day, "AA" and "AC" for the rest of the month with a February of 28 and 29 days.
struct LogRequest {
    int yy = 0, mm = 0, dd = 0;
    bool range = false;
    bool leapFebruary = false;
};
std::optional<LogRequest> parseLogRequest(const QByteArray &text);

} // namespace unitreply
