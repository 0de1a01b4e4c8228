// Takes the pictures of the user guide: the program on the simulated unit line, every
// window opened the way a user opens it (menu, toolbar), read from the unit where it has a
// read button, and grabbed into a PNG named after the window.
//   unitdesk-screenshots OUTPUT_DIR
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/SimLine.h"
#include "ui/Prompt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QListWidget>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace {

QString outputDir;

void pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(QWidget *w, const QString &name)
{
    const QString path = QDir(outputDir).filePath(name + QStringLiteral(".png"));
    if (w->grab().save(path))
        std::printf("%s\n", qPrintable(path));
    else
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

// Modal windows run their own loop: grab and close whatever is modal once it shows.
void grabModalsAs(const QString &name)
{
    QTimer::singleShot(1500, qApp, [name] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            save(modal, name);
            modal->close();
        }
    });
}

// The window the last menu entry opened: the visible secondary window, not the main one.
QWidget *openedWindow(Program &program)
{
    for (WindowId id : program.windows().registered())
        if (QWidget *w = program.windows().existing(id); w && w->isVisible())
            return w;
    return nullptr;
}

void clickReadButton(QWidget *window)
{
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->text().endsWith(QStringLiteral("読取")) && b->isEnabled()) {
            b->click();
            return;
        }
}

// The logical path of the log of that name stored last (in a folder whose path holds
// `within`, when given).
QString newestStored(const QString &nativeRoot, const QString &pattern, const QString &within = QString())
{
    QFileInfo newest;
    QDirIterator it(nativeRoot, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        if (!f.path().contains(QStringLiteral("ZRLOG")) && f.filePath().contains(within) &&
            (!newest.exists() || f.lastModified() >= newest.lastModified()))
            newest = f;
    }
    return newest.exists() ? DriveMap::toLogical(newest.filePath()) : QString();
}

bool trigger(MainWindow &main, const QString &actionName)
{
    QAction *a = main.findChild<QAction *>(actionName);
    if (!a)
        return false;
    a->trigger();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: unitdesk-screenshots OUTPUT_DIR\n", stderr);
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);
    QTemporaryDir root;
    ProgramOptions options = ParseProgramOptions({QStringLiteral("--demo"), QStringLiteral("--root"), root.path()});
    Program program(options);
    MainWindow &main = program.window();
    main.endProgram = [] {};

    // Every question is answered "OK"; the open dialogs pick the log downloaded below.
    QString logToOpen;
    Prompt::Script answers;
    answers.answer = [](const Prompt::Message &m) {
        return m.buttons == Prompt::Buttons::YesNo ? Prompt::Answer::Yes : Prompt::Answer::Ok;
    };
    answers.file = [&logToOpen](const Prompt::FileDialog &d) {
        return d.mode == Prompt::FileDialog::Open ? logToOpen : QString();
    };
    Prompt::setScript(&answers);

    program.start(QDateTime::currentDateTime());
    main.resize(main.sizeHint());
    pump(2500);

    // A store in use has a group: GRP_01, chosen as a user chooses it.
    if (trigger(main, QStringLiteral("mnuGroup_Set"))) {
        pump(300);
        if (QWidget *w = openedWindow(program)) {
            if (auto *list = w->findChild<QListWidget *>(QStringLiteral("List1")); list && list->count() > 0)
                list->setCurrentRow(0);
            if (auto *set = w->findChild<QAbstractButton *>(QStringLiteral("Command1")))
                set->click();
            pump(300);
            w->close();
        }
    }
    save(&main, QStringLiteral("main-window"));

    // A day and a month of the selected unit, downloaded as a user does: last month, from
    // its first day.
    const QDate first = QDate::currentDate().addMonths(-1).addDays(1 - QDate::currentDate().day());
    main.MonthView1->setSelectedDate(first);
    emit main.MonthView1->clicked(first);
    pump(300);
    for (const char *button : {"mnuDay_Log", "mnuMnth_Log"}) {
        QEventLoop done;
        QObject::connect(&program.downloads(), &DownloadSession::finished, &done, &QEventLoop::quit);
        QTimer::singleShot(120000, &done, &QEventLoop::quit);
        trigger(main, QString::fromLatin1(button));
        done.exec();
        pump(500);
    }
    save(&main, QStringLiteral("main-window-downloaded"));

    // The views, on what was just stored.
    const auto openLog = [&](const char *button, const QString &path, const QString &name) {
        logToOpen = path;
        trigger(main, QString::fromLatin1(button));
        pump(800);
        if (QWidget *w = openedWindow(program)) {
            save(w, name);
            for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                if (b->text() == QStringLiteral("グラフ")) {
                    grabModalsAs(name + QStringLiteral("-chart"));
                    b->click();
                    pump(1500);
                    const auto tops = QApplication::topLevelWidgets();
                    for (QWidget *top : tops)
                        if (top->isVisible() && top->objectName().contains(QStringLiteral("Chart")))
                            save(top, name + QStringLiteral("-chart")), top->close();
                }
        }
    };
    openLog("mnuFinish_Date", newestStored(root.path(), QStringLiteral("m*d*.TXT")), QStringLiteral("Form4"));
    const QString lastMonth = QStringLiteral("/M%1/").arg(first.month(), 2, 10, QLatin1Char('0'));
    openLog("mnuLOGT", newestStored(root.path(), QStringLiteral("MnLog.TXT"), lastMonth), QStringLiteral("Form3"));

    // Every window a menu entry or toolbar button opens.
    const QStringList openers{"環境",        "mnuBase_cont", "mnuCont1",      "mnuSeason",  "mnuZone",
                              "mnuCH_name",  "mnuGrp",       "mnuGroup_Set",  "mnuRenzoku", "mnuKoki_Set",
                              "mnuTemp_Range", "mnuTemp_CH"};
    const auto readAndSave = [](QWidget *w) {
        clickReadButton(w);
        pump(1500);
        save(w, w->objectName());
    };
    for (const QString &name : openers) {
        if (!trigger(main, name))
            continue;
        pump(600);
        QWidget *w = openedWindow(program);
        if (!w)
            continue;
        readAndSave(w);
        if (w->objectName() != QLatin1String("Form10"))
            continue;
        // The basic conditions window's own toolbar opens three windows over it, modal.
        const std::pair<const char *, WindowId> modals[]{
            {"Button2", WindowId::Form11}, {"Button3", WindowId::Form13}, {"Button4", WindowId::Form8}};
        for (const auto &[button, id] : modals) {
            if (QAction *a = w->findChild<QAction *>(QString::fromLatin1(button)))
                a->trigger();
            pump(600);
            if (QWidget *modal = program.windows().existing(id); modal && modal->isVisible()) {
                readAndSave(modal);
                modal->close();
                pump(300);
            }
        }
    }

    // A water-spray unit has a basic conditions window of its own.
    for (int row = 0; row < main.List1->count(); ++row)
        if (main.List1->item(row)->text().contains(QStringLiteral("水噴射")))
            main.List1->setCurrentRow(row);
    pump(1500);
    if (trigger(main, QStringLiteral("mnuBase_cont"))) {
        pump(600);
        if (QWidget *w = openedWindow(program))
            readAndSave(w);
    }
    main.CloseSecondaryWindows();

    // The frame monitor, watching the line while the window above reads once more.
    if (trigger(main, QStringLiteral("mnuMonitor"))) {
        if (trigger(main, QStringLiteral("mnuBase_cont"))) {
            pump(600);
            if (QWidget *w = openedWindow(program); w && w->objectName() != QLatin1String("frmMonitor"))
                clickReadButton(w);
        }
        pump(1500);
        if (QWidget *monitor = program.windows().existing(WindowId::Monitor))
            save(monitor, monitor->objectName());
    }
    Prompt::setScript(nullptr);
    return 0;
}
