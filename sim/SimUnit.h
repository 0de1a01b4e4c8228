#pragma once
// One simulated unit on the line: what it is, how it reports, and its clock.
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

struct SimUnit {
    QByteArray id = "01";                      // "00".."12"
    QByteArray kind = "A";                     // "A", "B", "C", "D" or "WJ": decides the record layout
    int channel = 1;                           // 0..99, reported in monitoring replies and log headers
    int sprayNo = 1;                           // 0..99, water-spray number of a "WJ" unit
    bool streaming = true;                     // a range request is answered month-wide (header flag "D")
    QByteArray version = "17";                 // firmware version, two characters
    char controlState = '0';                   // monitoring reply position 13
    QByteArray sprayState = "ON";              // monitoring reply positions 20-21
    char spraySuffix = '1';                    // monitoring reply position 22
    char season = '1', band = '1', rest = '0'; // clock reply positions 14-16
    char wjSeason = '1', wjBand = '1';         // clock reply positions 23-24
    // The settings blocks the unit holds, by block name (see SettingsRequests), as last
    // written; a block never written answers with its default.
    QHash<QByteArray, QByteArray> blocks;

    // When the unit's stored log was last erased ("CL"): no record before it is sent.
    QDateTime logsErasedAt;

    // The unit's clock is the PC clock shifted by an offset, or frozen at a fixed time.
    qint64 clockOffsetMs = 0;
    QDateTime frozenClock;

    QDateTime now() const;
    void setClock(const QDateTime &t, bool running = true);
    void usePcClock();

    char streamFlag() const { return streaming ? 'D' : 'N'; }

    static bool isKnownKind(const QByteArray &kind);

    // "NN:KIND[:CH[:stream|day]]", e.g. "05:WJ:07:day". The channel defaults to the unit
    // number, the mode to "stream"; a water-spray unit's spray number is its channel.
    static std::optional<SimUnit> fromDescription(const QString &description, QString *error = nullptr);

    // Units 00..12 with a mix of kinds and transfer modes; unit 01 is a streaming
    // standard unit on channel 01.
    static QList<SimUnit> demoPopulation();
};
