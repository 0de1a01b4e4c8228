#pragma once
// The whole program on a temporary root, its port on the simulated unit line, the message
// boxes and file dialogs answered by a script: for tests that drive it as a user would.
#include "ui/Prompt.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/SimLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct OnTheLine {
    QTemporaryDir root;
    SimLine sim;
    Prompt::Script prompts;
    std::unique_ptr<Program> program;

    explicit OnTheLine(const SimUnit &unit, const QDateTime &now = QDateTime(QDate(2026, 12, 8), QTime(9, 5)))
    {
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        sim.clearUnits();
        sim.setUnit(unit);
        sim.setSelectedUnit(unit.id);
        prompts.answer = [](const Prompt::Message &m) {
            return m.buttons == Prompt::Buttons::OkCancel ? Prompt::Answer::Ok : Prompt::Answer::Yes;
        };
        Prompt::setScript(&prompts);
        program = std::make_unique<Program>(
            ParseProgramOptions({"--root", root.path(), "--com", "COM1=" + sim.slavePath()}));
        program->window().endProgram = [] {};
        program->start(now);
    }
    ~OnTheLine()
    {
        program.reset();
        Prompt::setScript(nullptr);
    }
    MainWindow &w() { return program->window(); }
    QByteArray file(const QString &relative) const
    {
        QFile f(root.path() + "/" + relative);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
};

inline SimUnit unit(const QByteArray &id, const QByteArray &kind, int channel, bool streaming = true)
{
    SimUnit u;
    u.id = id;
    u.kind = kind;
    u.channel = channel;
    u.sprayNo = channel;
    u.streaming = streaming;
    return u;
}

