#pragma once
// The whole program on a temporary root with its port on a simulated unit line (the
// tests' line, TestLine.h), the message boxes answered OK/Yes.
#include "../TestLine.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/SimLine.h"
#include "ui/Prompt.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct OnTheLine {
    QTemporaryDir root;
    SimLine sim{testLineKind()};
    Prompt::Script prompts;
    std::unique_ptr<Program> program;

    explicit OnTheLine(const SimUnit &unit, const QDateTime &now = QDateTime(QDate(2026, 12, 8), QTime(9, 5)))
        : OnTheLine(QList<SimUnit>{unit}, now)
    {
    }
    // Several units; the first is the one selected.
    explicit OnTheLine(const QList<SimUnit> &units,
                       const QDateTime &now = QDateTime(QDate(2026, 12, 8), QTime(9, 5)))
    {
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        sim.clearUnits();
        for (const SimUnit &unit : units)
            sim.setUnit(unit);
        sim.setSelectedUnit(units.first().id);
        prompts.answer = [](const Prompt::Message &m) {
            return m.buttons == Prompt::Buttons::OkCancel ? Prompt::Answer::Ok : Prompt::Answer::Yes;
        };
        Prompt::setScript(&prompts);
        program = std::make_unique<Program>(ParseProgramOptions({"--root", root.path()}));
        putOnLine(program->link(), sim.wire());
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
