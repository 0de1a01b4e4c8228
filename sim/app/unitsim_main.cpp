// unitsim: a line of simulated units on a pseudo-terminal, for running the program
// without hardware. Prints the terminal's path on the first line and runs until killed.
#include "sim/SimLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

const char *const Description =
    "Simulated unit line on a pseudo-terminal. The first line printed is the path to open\n"
    "as the serial port; the line runs until the program is killed.\n"
    "\n"
    "Units on the line at start (unit 01 is selected):\n"
    "  00 A ch10 day    01 A ch01 stream  02 B ch02 stream  03 C ch03 day\n"
    "  04 D ch04 stream 05 WJ ch05 day (spray 01)           06 A ch06 day\n"
    "  07 B ch07 day    08 C ch08 stream  09 D ch09 day\n"
    "  10 WJ ch10 stream (spray 02)       11 A ch11 stream  12 A ch12 day\n"
    "A streaming unit answers a month request with every day to the end of the month;\n"
    "a day-by-day unit sends only the day asked for. Days up to yesterday have 48 records,\n"
    "today only its completed half hours (then the unit waits for FN), later days none.\n"
    "\n"
    "Fault options count frames from the start: the first frame the line sends is 1.";

int fail(const QString &message)
{
    std::fprintf(stderr, "unitsim: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("unitsim"));

    QCommandLineParser p;
    p.setApplicationDescription(QString::fromLatin1(Description));
    p.addHelpOption();
    const QCommandLineOption baud("baud",
                                  "Pace the output at N baud, 11 bit-times a character (0: unpaced, "
                                  "the default).",
                                  "N", "0");
    const QCommandLineOption monitorMs("monitor-ms",
                                       "The selected unit sends its monitoring reply every N ms "
                                       "(0: never; default 5000).",
                                       "N", "5000");
    const QCommandLineOption clockMs("clock-ms",
                                     "The selected unit sends its clock reply every N ms (0: never; "
                                     "default 5000).",
                                     "N", "5000");
    const QCommandLineOption latencyMs("latency-ms", "Wait N ms before answering each request (default 0).",
                                       "N", "0");
    const QCommandLineOption unit("unit",
                                  "Put unit NN on the line as KIND (A, B, C, D, WJ) on channel CH "
                                  "(default NN), streaming or day by day (default stream); replaces "
                                  "the unit of the same number. Repeatable.",
                                  "NN:KIND[:CH[:stream|day]]");
    const QCommandLineOption absent("absent", "Take unit NN off the line (after any --unit). Repeatable.",
                                    "NN");
    const QCommandLineOption select("select", "Unit selected at start (default 01).", "NN", "01");
    const QCommandLineOption clock("clock",
                                   "Set every unit's clock to this local time; it runs on from there "
                                   "(default: the PC clock).",
                                   "yyyy-MM-dd hh:mm");
    const QCommandLineOption noise("noise", "Put a few bytes of line noise before every frame.");
    const QCommandLineOption silence("silence",
                                     "Leave the first N requests unanswered (unit selections "
                                     "included).",
                                     "N", "0");
    const QCommandLineOption silenceAfter("silence-after-records",
                                          "Stop the first log transfer after N "
                                          "records, without its end reply; a "
                                          "resent request is answered again.",
                                          "N");
    const QCommandLineOption dropEtx("drop-etx", "Send frame K without its ETX.", "K");
    const QCommandLineOption truncate("truncate", "Cut the text of frame K to N characters.", "N:K");
    const QCommandLineOption recordFault("record-fault",
                                         "Damage the record of SLOT (0..47) of a logged day: sent cut "
                                         "short, lost, or with a non-digit; on the first transfer "
                                         "that carries it, or on every one with \":every\". "
                                         "Repeatable.",
                                         "cut|lost|garble:yyyy-MM-dd:SLOT[:every]");
    p.addOptions({baud, monitorMs, clockMs, latencyMs, unit, absent, select, clock, noise, silence,
                  silenceAfter, dropEtx, truncate, recordFault});
    p.process(app);

    const auto number = [&](const QCommandLineOption &o, int min, int *out) {
        bool ok = false;
        *out = p.value(o).toInt(&ok);
        return ok && *out >= min;
    };

    SimLine line;
    if (!line.isValid())
        return fail(QStringLiteral("cannot open a pseudo-terminal"));

    int n = 0;
    if (!number(baud, 0, &n))
        return fail(QStringLiteral("--baud wants a number"));
    line.setBaud(n);
    if (!number(monitorMs, 0, &n))
        return fail(QStringLiteral("--monitor-ms wants a number"));
    line.setMonitorIntervalMs(n);
    if (!number(clockMs, 0, &n))
        return fail(QStringLiteral("--clock-ms wants a number"));
    line.setClockIntervalMs(n);
    if (!number(latencyMs, 0, &n))
        return fail(QStringLiteral("--latency-ms wants a number"));
    line.setLatencyMs(n);

    for (const QString &description : p.values(unit)) {
        QString error;
        const auto u = SimUnit::fromDescription(description, &error);
        if (!u)
            return fail(error);
        line.setUnit(*u);
    }
    for (const QString &id : p.values(absent))
        line.removeUnit(id.toLatin1());
    line.setSelectedUnit(p.value(select).toLatin1());

    if (p.isSet(clock)) {
        const QDateTime t = QDateTime::fromString(p.value(clock), QStringLiteral("yyyy-MM-dd hh:mm"));
        if (!t.isValid())
            return fail(QStringLiteral("--clock wants \"yyyy-MM-dd hh:mm\""));
        line.setClock(t);
    }
    line.setNoise(p.isSet(noise));
    if (!number(silence, 0, &n))
        return fail(QStringLiteral("--silence wants a number"));
    line.setSilence(n);
    if (p.isSet(silenceAfter)) {
        if (!number(silenceAfter, 0, &n))
            return fail(QStringLiteral("--silence-after-records wants a number"));
        line.setSilenceAfterRecords(n);
    }
    if (p.isSet(dropEtx)) {
        if (!number(dropEtx, 1, &n))
            return fail(QStringLiteral("--drop-etx wants a frame number from 1"));
        line.setDropEtx(n - 1);
    }
    if (p.isSet(truncate)) {
        const QStringList parts = p.value(truncate).split(QLatin1Char(':'));
        bool okChars = false, okFrame = false;
        const int chars = parts.value(0).toInt(&okChars);
        const int frame = parts.value(1).toInt(&okFrame);
        if (parts.size() != 2 || !okChars || !okFrame || chars < 0 || frame < 1)
            return fail(QStringLiteral("--truncate wants N:K"));
        line.setTruncate(chars, frame - 1);
    }

    for (const QString &description : p.values(recordFault)) {
        QString error;
        const auto fault = RecordFault::fromDescription(description, &error);
        if (!fault)
            return fail(error);
        line.addRecordFault(*fault);
    }

    std::printf("%s\n", qPrintable(line.slavePath()));
    std::fflush(stdout);
    return app.exec();
}
