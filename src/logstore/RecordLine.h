#pragma once
// One half-hour record reply ("M" + fields) as the TAB-separated line the store keeps.
#include <QByteArray>
#include <QString>

// The stored line of a record reply for a unit kind: day (two digits), TAB, slot label
// ("hh:mm"), TAB, then four 4-digit fields (28 characters) or, for kind D, one 5-digit field
// (14 characters), with the kind's field rules applied. A reply whose fields are not all
// decimal digits (noise, a truncated frame) keeps its slot with every field zero, so the
// lines after it stay at their half hours. Empty for a kind that stores no log ("G").
QString RecordLine(const QByteArray &reply, const QString &kind, int day, const QString &slotLabel);

// The reply has its kind's layout: "M" and 16 characters (kind D: 5), digits wherever the
// kind reads a field. A record without it tells of a damaged line, whatever RecordLine keeps.
bool RecordHasLayout(const QByteArray &reply, const QString &kind);

// A stored record line has its kind's layout: two-digit day, TAB, a slot label "hh:mm" of a
// half hour, TAB, then four 4-digit fields separated by TABs (kind D: one 5-digit field),
// nothing after. Kind G stores no line.
bool StoredLineHasLayout(const QString &line, const QString &kind);
