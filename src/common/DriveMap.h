#pragma once
// The only place where a logical path of the system ("C:\GRP01\ZR1\Y2013\DAY") becomes a
// native one. On Windows it is the path itself; elsewhere "C:\" is a root folder and each
// component is matched case-insensitively against what exists on disk.
#include <QString>
#include <QStringList>

namespace DriveMap {

// The folder that stands for "C:\" (ignored on Windows). Set once at start.
void setRoot(const QString &nativeRoot);
QString root();
// --root DIR, else $UNITDESK_ROOT, else $XDG_DATA_HOME/unitdesk/C (~/.local/share/...).
QString defaultRoot(const QString &commandLineRoot);

// Native path for a logical one. Existing components are matched case-insensitively;
// components that do not exist yet keep their spelling.
QString toNative(const QString &logicalPath);
// Logical path for a native one: below root() it becomes "C:\...", anything else is
// returned as it is.
QString toLogical(const QString &nativePath);

bool dirExists(const QString &logicalPath);
bool fileExists(const QString &logicalPath);
// Creates every missing level, parent first. True when the folder exists afterwards.
bool ensureDir(const QString &logicalPath);
// Removes an empty folder; false (and nothing changes) when missing or not empty.
bool removeEmptyDir(const QString &logicalPath);

// Native paths of the files matching a logical pattern whose last component may hold
// the wild cards "*" and "?" (matched case-insensitively), e.g. "C:\...\CH05\m*.*".
QStringList matchFiles(const QString &logicalPattern);
bool removeFile(const QString &logicalPath);

// Replaces the stored file at logicalDest by a copy of logicalSource. The copy is written
// beside the destination first and renamed over it only when complete, so the file that
// was there survives any failure. True on success.
bool replaceFile(const QString &logicalSource, const QString &logicalDest);
// Replaces the file at logicalPath by these bytes, the same way: the old file survives any
// failure and no partial file is ever left under the name. True on success.
bool writeFile(const QString &logicalPath, const QByteArray &bytes);

} // namespace DriveMap
