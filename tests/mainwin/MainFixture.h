#pragma once
// A main window started on a temporary root, with its port on the tests' line (TestLine.h)
// whose units' end the test plays, and the message boxes answered by a script.
#include "../TestLine.h"
#include "common/DriveMap.h"
#include "ui/Prompt.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct MainFixture {
    QTemporaryDir root;
    SimWire wire{testLineKind()};
    QIODevice &unitEnd = *wire.unitEnd(); // played by the test
    Prompt::Script prompts;
    QList<Prompt::Answer> answers; // given in order; Cancel/No when none is left
    int ended = 0;
    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;
    int dispatched = 0; // replies handed on by the dispatcher

    explicit MainFixture(const QDateTime &now = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 30)),
                         const std::function<void(const QString &)> &prepareRoot = {})
    {
        DriveMap::setRoot(root.path());
        if (prepareRoot)
            prepareRoot(root.path());
        prompts.answer = [this](const Prompt::Message &m) {
            if (!answers.isEmpty())
                return answers.takeFirst();
            return m.buttons == Prompt::Buttons::YesNo ? Prompt::Answer::No : Prompt::Answer::Cancel;
        };
        Prompt::setScript(&prompts);
        ProgramOptions options;
        options.root = DriveMap::root(); // as prepareRoot left it
        program = std::make_unique<Program>(options);
        program->routes().observer = [this](Reply, const QByteArray &) { ++dispatched; };
        window = &program->window();
        window->endProgram = [this] { ++ended; };
        putOnLine(window->link(), wire);
        window->startUp(now);
    }
    ~MainFixture()
    {
        program.reset();
        Prompt::setScript(nullptr);
    }

    // Frames the program wrote to the port.
    QByteArray sent(int minBytes = 1) { return receivedAt(unitEnd, minBytes); }
    bool nothingSent()
    {
        QTest::qWait(50);
        return unitEnd.readAll().isEmpty();
    }
    // A reply from the unit, taken in as the port would; returns once the dispatcher has
    // handed on `dispatches` replies (a reply of no known code hands on none: then the
    // wait is short and bounded).
    void reply(const QByteArray &text, int dispatches = 1)
    {
        const int target = dispatched + dispatches;
        unitEnd.write("\x02" + text + "\x03");
        QElapsedTimer clock;
        clock.start();
        const int limit = dispatches > 0 ? 5000 : 100;
        while (dispatched < target && clock.elapsed() < limit)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // Existing entries below the root, as sorted relative paths with "/" separators.
    QStringList tree() const
    {
        QStringList out;
        QDirIterator it(root.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << QDir(root.path()).relativeFilePath(it.next());
        out.sort();
        return out;
    }
};
