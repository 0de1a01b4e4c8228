#include "DownloadRig.h"
#include "../TestLine.h"

#include "common/DriveMap.h"
#include "common/Vb.h"
#include "logstore/RecordLine.h"
#include "logstore/StorePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

DownloadRig::DownloadRig()
{
    DriveMap::setRoot(root.path());
    DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\TEMP"));
    script.answer = [](const Prompt::Message &) { return Prompt::Answer::Ok; };
    Prompt::setScript(&script);

    Timer2.setInterval(15000);
    Timer2.start();
    state.GroupNo = QStringLiteral("01");
    state.GroupDir = QStringLiteral("C:\\GRP01");
    state.UnitClock = {"13", "06", "01", "12", "00", "00"};

    DownloadControls controls;
    controls.Label1 = &Label1;
    controls.Label9 = &Label9;
    controls.Label19 = &Label19;
    controls.Label21 = &Label21;
    controls.ProgressBar1 = &ProgressBar1;
    controls.Timer2 = &Timer2;
    front = std::make_unique<DownloadFront>(session, controls);
    front->reloadChannelNames = [this] { ++channelReloads; };
    session.addReplySteps(routes);
    routes.observer = [this](Reply, const QByteArray &) { ++replies; };
    link.setHandlers(&routes);
}

DownloadRig::~DownloadRig()
{
    link.setHandlers(nullptr);
    Prompt::setScript(nullptr);
}

bool DownloadRig::openPort(const SimWire &wire)
{
    putOnLine(link, wire);
    return link.open();
}

QByteArray DownloadRig::file(const QString &logicalPath) const
{
    QFile f(DriveMap::toNative(logicalPath));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool DownloadRig::exists(const QString &logicalPath) const
{
    return DriveMap::fileExists(logicalPath);
}

QStringList DownloadRig::allFiles() const
{
    QStringList out;
    QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root.path()).relativeFilePath(it.next());
    out.sort();
    return out;
}

bool DownloadRig::blockWithFile(const QString &logicalPath)
{
    const qsizetype cut = logicalPath.lastIndexOf('\\');
    if (!DriveMap::ensureDir(logicalPath.left(cut)))
        return false;
    QFile f(DriveMap::toNative(logicalPath));
    return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
}

QStringList DownloadRig::messages() const
{
    QStringList out;
    for (const Prompt::Message &m : script.asked)
        out << m.title + '|' + m.text;
    return out;
}

ManualUnit::ManualUnit(DownloadRig &rig) : m_rig(rig), m_wire(testLineKind()), m_unitEnd(*m_wire.unitEnd()) {}

QList<QByteArray> ManualUnit::takeFrames()
{
    QList<QByteArray> frames;
    m_pending += m_unitEnd.readAll();
    for (;;) {
        const qsizetype start = m_pending.indexOf('\x02');
        const qsizetype end = m_pending.indexOf('\x03', start + 1);
        if (start < 0 || end < 0)
            break;
        frames << m_pending.mid(start + 1, end - start - 1);
        m_pending.remove(0, end + 1);
    }
    return frames;
}

QByteArray ManualUnit::nextFrame(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        m_pending += m_unitEnd.readAll();
        const qsizetype start = m_pending.indexOf('\x02');
        const qsizetype end = m_pending.indexOf('\x03', start + 1);
        if (start >= 0 && end >= 0) {
            const QByteArray text = m_pending.mid(start + 1, end - start - 1);
            m_pending.remove(0, end + 1);
            return text;
        }
        if (clock.elapsed() > timeoutMs)
            return {};
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

QList<QByteArray> ManualUnit::framesWithin(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return takeFrames();
}

void ManualUnit::reply(const QList<QByteArray> &texts)
{
    QByteArray bytes;
    for (const QByteArray &t : texts)
        bytes += '\x02' + t + '\x03';
    replyRaw(bytes, int(texts.size()));
}

void ManualUnit::replyRaw(const QByteArray &bytes, int dispatches)
{
    const int target = m_rig.replies + dispatches;
    m_unitEnd.write(bytes);
    QElapsedTimer clock;
    clock.start();
    while (m_rig.replies < target && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QByteArray recordReply(int slot, const QString &kind)
{
    if (kind == QLatin1String("D"))
        return "M" + QByteArray::number(1000 + 7 * slot).rightJustified(5, '0');
    // Average current 1.0..5.7 A, a lower controlling current, seconds of control and rest.
    const auto f = [](int v) { return QByteArray::number(v).rightJustified(4, '0'); };
    return "M" + f(10 + slot) + f(5 + slot) + f(900 + slot) + f(900 - slot);
}

QList<QByteArray> dayReplies(int n, const QString &kind)
{
    QList<QByteArray> out;
    for (int k = 0; k < n; ++k)
        out << recordReply(k, kind);
    return out;
}

QByteArray crlfLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

QStringList dayLines(int dd, int n, const QString &kind)
{
    const QString labels = MakeSlotLabels();
    QStringList lines;
    for (int k = 0; k < n; ++k)
        lines << RecordLine(recordReply(k, kind), kind, dd, Mid(labels, 6 * k + 1, 5));
    return lines;
}

QByteArray expectedDay(int yy, int mm, int dd, int n, const QString &kind)
{
    const auto two = [](int v) { return Format(v, QStringLiteral("00")); };
    return crlfLines(QStringList{two(yy) + '/' + two(mm) + '/' + two(dd)} + dayLines(dd, n, kind));
}

QByteArray expectedMonth(int yy, int mm, const QList<int> &days)
{
    QStringList lines{Format(yy, QStringLiteral("00")) + '/' + Format(mm, QStringLiteral("00"))};
    for (int dd : days)
        lines += dayLines(dd);
    return crlfLines(lines);
}

QString dayFileA(int yy, int mm, int dd)
{
    return DayLogFile(QStringLiteral("C:\\GRP01"), QStringLiteral("\\ZR1"), yy, mm, dd, QStringLiteral("05"));
}

QString monthFileA(int yy, int mm)
{
    return MonthLogFile(QStringLiteral("C:\\GRP01"), QStringLiteral("\\ZR1"), yy, mm, QStringLiteral("05"));
}
