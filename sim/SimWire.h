#pragma once
// The wire between a serial port of the program and the simulated units, the same to the
// units on every system: their end is a device (readyRead, write). The port's end is, on a
// pseudo-terminal, a path that a serial port opens (unitsim, and the tests that need a real
// serial device: where the system has pseudo-terminals only); in-process, the other end of
// a device pair that the serial link reads and writes (--demo, and the tests on a system
// without pseudo-terminals).
#include <QIODevice>
#include <QString>
#include <memory>

class InProcessLine;
class PtyDevice;

class SimWire {
public:
    enum class Kind { PseudoTerminal, InProcess };
    static bool hasPseudoTerminals();

    explicit SimWire(Kind kind);
    ~SimWire();
    SimWire(const SimWire &) = delete;
    SimWire &operator=(const SimWire &) = delete;

    Kind kind() const { return m_kind; }
    // False when the pseudo-terminal could not be made (or the system has none).
    bool isValid() const { return m_unitEnd != nullptr; }
    // The units' end, open for reading and writing while the wire is valid.
    QIODevice *unitEnd() const { return m_unitEnd; }
    // A pseudo-terminal's path for the port to open; empty in-process.
    QString portPath() const;
    // The in-process port's end for the link to open; nullptr on a pseudo-terminal.
    QIODevice *portEnd() const;

private:
    Kind m_kind;
    std::unique_ptr<PtyDevice> m_pty;
    std::unique_ptr<InProcessLine> m_inProcess;
    QIODevice *m_unitEnd = nullptr;
};
