#pragma once
// A temporary drive C: for the registry tests, with byte-level file helpers and the
// message boxes answered by a script.
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "ui/Prompt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

struct RegistryRoot {
    QTemporaryDir dir;
    Prompt::Script prompts;
    QList<Prompt::Answer> answers; // given in order; Cancel when none is left

    RegistryRoot()
    {
        DriveMap::setRoot(dir.path());
        DriveMap::ensureDir("C:\\ZRLOG\\CONTROL");
        prompts.answer = [this](const Prompt::Message &) {
            return answers.isEmpty() ? Prompt::Answer::Cancel : answers.takeFirst();
        };
        Prompt::setScript(&prompts);
    }
    ~RegistryRoot() { Prompt::setScript(nullptr); }

    // Writes raw bytes, making the folders on the way.
    static void put(const QString &logicalPath, const QByteArray &bytes)
    {
        DriveMap::ensureDir(logicalPath.left(logicalPath.lastIndexOf('\\')));
        QFile f(DriveMap::toNative(logicalPath));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Lines written in Shift-JIS, each ended by CR LF.
    static void putLines(const QString &logicalPath, const QStringList &lines)
    {
        QByteArray bytes;
        for (const QString &l : lines)
            bytes += TextFile::encode(l) + "\r\n";
        put(logicalPath, bytes);
    }
    static QByteArray bytes(const QString &logicalPath)
    {
        QFile f(DriveMap::toNative(logicalPath));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    static QByteArray sjis(const QString &text) { return TextFile::encode(text); }
};
