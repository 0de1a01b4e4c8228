#pragma once
// A download session behind the main window's download front, with stand-alone main window
// controls, a temporary store root, a scripted prompt and a serial port on the tests' line
// (TestLine.h). Either the test plays the unit at the units' end (ManualUnit) or a SimLine
// does.
#include "common/AppState.h"
#include "ui/Prompt.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "mainwin/DownloadFront.h"
#include "sim/SimWire.h"

#include <QLabel>
#include <QList>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

class DownloadRig {
public:
    DownloadRig();
    ~DownloadRig();

    bool openPort(const SimWire &wire); // every COMn on the wire

    // Store helpers (logical paths).
    QByteArray file(const QString &logicalPath) const; // empty when missing
    bool exists(const QString &logicalPath) const;
    // Every file below the root as a '/'-separated path relative to it, sorted.
    QStringList allFiles() const;
    // Makes a regular file where a folder of the store would go.
    bool blockWithFile(const QString &logicalPath);
    // Messages the prompt was asked, as "title|text".
    QStringList messages() const;

    QTemporaryDir root;
    AppState state;
    SerialLink link;
    QLabel Label1, Label9, Label19, Label21;
    QProgressBar ProgressBar1;
    QTimer Timer2;
    Prompt::Script script;
    int channelReloads = 0;
    int replies = 0; // replies the dispatcher handed on
    ReplyRoutes routes;
    DownloadSession session{state, link};
    QTimer &Timer1 = session.watchdog();
    std::unique_ptr<DownloadFront> front;
};

// The units' end of the tests' line: reads the frames the port sends and writes replies.
class ManualUnit {
public:
    explicit ManualUnit(DownloadRig &rig);
    const SimWire &wire() const { return m_wire; }

    // The text of the next frame the port sends (empty after timeoutMs without one).
    QByteArray nextFrame(int timeoutMs = 2000);
    // Frames sent in the next ms milliseconds (used to show that nothing goes out).
    QList<QByteArray> framesWithin(int ms);
    // Writes each text framed, then lets the port take them all in.
    void reply(const QList<QByteArray> &texts);
    // Writes raw bytes that make `dispatches` replies, then lets the port take them in.
    void replyRaw(const QByteArray &bytes, int dispatches);

private:
    QList<QByteArray> takeFrames();

    DownloadRig &m_rig;
    SimWire m_wire;
    QIODevice &m_unitEnd;
    QByteArray m_pending;
};

// Test data: record k of a day as a kind A/B/C/WJ unit sends it (kind D: "M" + 5 digits).
QByteArray recordReply(int slot, const QString &kind = QStringLiteral("A"));
// The 48 (or n) records of a day.
QList<QByteArray> dayReplies(int n = 48, const QString &kind = QStringLiteral("A"));
// A stored file's bytes: lines ended by CR LF.
QByteArray crlfLines(const QStringList &lines);
// The record lines of records 0..n-1 of recordReply for day dd.
QStringList dayLines(int dd, int n = 48, const QString &kind = QStringLiteral("A"));
// The day file the store must hold for records 0..n-1 of recordReply.
QByteArray expectedDay(int yy, int mm, int dd, int n = 48, const QString &kind = QStringLiteral("A"));
// The month file of a streamed month whose listed days had 48 records each.
QByteArray expectedMonth(int yy, int mm, const QList<int> &days);
// "C:\GRP01\ZR1\Y20yy\DAY\CH05\mMMdDD.TXT" and "...\Mmm\CH05\MnLog.TXT" of kind A, channel 05.
QString dayFileA(int yy, int mm, int dd);
QString monthFileA(int yy, int mm);
