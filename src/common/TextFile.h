#pragma once
// Shift-JIS text files with CR LF lines, the only way the program reads or writes one.
// Readers accept LF-only lines too. Paths are logical (see DriveMap).
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace TextFile {

// Shift-JIS conversion (Windows code page 932). checkCodec() fails loudly at start when the
// platform has no converter.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
bool checkCodec();

// Lines of the file without their line ends; ok = false when it cannot be read.
QStringList readLines(const QString &logicalPath, bool *ok = nullptr);
// The lines of a file's bytes, as readLines gives them.
QStringList decodeLines(const QByteArray &bytes);
// First line of the file, empty when missing or unreadable.
QString readFirstLine(const QString &logicalPath);
// Writes the lines, each ended by CR LF, replacing the file only when complete.
bool writeLines(const QString &logicalPath, const QStringList &lines);

// Quoted value line: a double quote, the value, a double quote, CR LF.
bool writeQuotedLine(const QString &logicalPath, const QString &value);
// The value of a quoted line is read from character 2 on (up to the closing quote).
QString readQuotedValue(const QString &logicalPath);

// Rows of TAB-separated fields.
QList<QStringList> readTabRows(const QString &logicalPath, bool *ok = nullptr);
bool writeTabRows(const QString &logicalPath, const QList<QStringList> &rows);

// A file kept open for appending lines (the temporary files of a download).
class AppendFile {
public:
    AppendFile();
    ~AppendFile();
    // Deletes the file when present and opens it anew for appending. False on failure.
    bool restart(const QString &logicalPath);
    bool appendLine(const QString &line); // writes line + CR LF and flushes
    // Flushes and closes. True when every line since the last restart is in the file.
    bool close();
    bool isOpen() const;
    QString path() const; // logical path of the last restart
    bool failed() const;  // an open or write has failed since the last restart

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace TextFile
