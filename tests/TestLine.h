#pragma once
// The line the tests' simulated units are on, chosen here for every rig that runs on
// either: a pseudo-terminal where the system has them, the in-process line where it has
// none (Windows) or where UNITDESK_TEST_LINE=in-process asks for it (the suites that ctest
// runs a second time that way, so that the in-process line is tested on Linux too). Tests
// that need a real serial device (port errors, a line that vanishes, another process on
// the line) open a pseudo-terminal themselves.
#include "link/SerialLink.h"
#include "sim/SimWire.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

inline SimWire::Kind testLineKind()
{
    if (!SimWire::hasPseudoTerminals() ||
        qEnvironmentVariable("UNITDESK_TEST_LINE") == QLatin1String("in-process"))
        return SimWire::Kind::InProcess;
    return SimWire::Kind::PseudoTerminal;
}

// Puts every COMn of the link on the wire.
inline void putOnLine(SerialLink &link, const SimWire &wire)
{
    if (wire.portEnd())
        link.setInProcessLine(wire.portEnd());
    else
        link.setDeviceForAll(wire.portPath());
}

// What reaches the units' end within timeoutMs, returning once at least minBytes are in;
// the event loop, from which the port writes, runs meanwhile.
inline QByteArray receivedAt(QIODevice &unitEnd, qsizetype minBytes, int timeoutMs = 500)
{
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QCoreApplication::processEvents();
        out += unitEnd.readAll();
        if (out.size() >= minBytes || clock.elapsed() >= timeoutMs)
            return out;
        QThread::msleep(1);
    }
}
