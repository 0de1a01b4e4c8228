#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/DriveMap.h"
#include "logstore/DownloadSession.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/Pty.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace fuzz {

std::vector<NamedTarget> &all()
{
    static std::vector<NamedTarget> targets;
    return targets;
}

const NamedTarget *find(const char *name)
{
    for (const NamedTarget &t : all())
        if (std::strcmp(t.name, name) == 0)
            return &t;
    return nullptr;
}

namespace {
struct Environment {
    std::unique_ptr<QApplication> app; // only when no test main made one
    QTemporaryDir root;
    Pty pty;
    Prompt::Script prompts;
};

Environment *env = nullptr;
int argc = 1;
char arg0[] = "unitdesk-fuzz";
char *argv[] = {arg0, nullptr};
} // namespace

void prepare()
{
    if (!env) {
        env = new Environment; // lives until the process ends, as libFuzzer expects; its root goes then
        std::atexit([] { QDir(env->root.path()).removeRecursively(); });
        if (!qApp) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            env->app = std::make_unique<QApplication>(argc, argv);
        }
        DriveMap::setRoot(env->root.path());
        // OK goes on (a download starts); a yes-or-no question keeps its default.
        env->prompts.answer = [](const Prompt::Message &m) {
            return m.buttons == Prompt::Buttons::YesNo ? m.defaultButton : Prompt::Answer::Ok;
        };
        env->prompts.file = [](const Prompt::FileDialog &) { return QString(); };
    }
    // Tests of other folders may have moved the root or the prompt since.
    DriveMap::setRoot(env->root.path());
    Prompt::setScript(&env->prompts);
    env->prompts.asked.clear();
    env->prompts.fileDialogs.clear();
    env->pty.readAvailable(); // what earlier inputs sent, so the line never fills up
}

QString portDevice()
{
    return env->pty.slavePath();
}

void writeRaw(const QString &logicalPath, const QByteArray &bytes)
{
    const QString path = DriveMap::toNative(logicalPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void removeFile(const QString &logicalPath)
{
    DriveMap::removeFile(logicalPath);
}

void placeFiles(const QByteArray &input, const QStringList &logicalPaths)
{
    const QList<QByteArray> parts = input.split('\0');
    for (qsizetype i = 0; i < logicalPaths.size(); ++i) {
        if (i < parts.size())
            writeRaw(logicalPaths[i], parts[i]);
        else
            removeFile(logicalPaths[i]);
    }
}

Program &program()
{
    static Program *p = nullptr;
    if (!p) {
        ProgramOptions options;
        options.root = DriveMap::root();
        p = new Program(options);
        p->window().endProgram = [] {};
        p->link().setDeviceForAll(portDevice());
    }
    // A download an earlier input left running gives up as it would on a silent unit.
    for (int i = 0; i < 5 && p->downloads().isRunning(); ++i)
        p->downloads().watchdogExpired();
    return *p;
}

void clearRoot()
{
    QDir root(env->root.path());
    for (const QString &entry : root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        QFileInfo info(root.filePath(entry));
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
}

QDateTime now()
{
    return QDateTime(QDate(2026, 12, 8), QTime(9, 5, 30));
}

std::pair<QByteArray, QByteArray> splitAt(const QByteArray &bytes, char separator)
{
    const qsizetype at = bytes.indexOf(separator);
    if (at < 0)
        return {bytes, QByteArray()};
    return {bytes.left(at), bytes.mid(at + 1)};
}

} // namespace fuzz
