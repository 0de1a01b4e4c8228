#include "DriveMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace DriveMap {

namespace {

QString &rootStorage()
{
    static QString value = QDir::cleanPath(QDir(defaultRoot(QString())).absolutePath());
    return value;
}

#ifndef Q_OS_WIN
bool isDriveLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Splits a logical path into the native folder it starts from and its components.
// "C:\" is root(); another drive letter is a folder of that letter beside it. A path
// without a drive is taken as native already.
QString splitLogical(const QString &logicalPath, QStringList *components)
{
    QString rest = logicalPath;
    QString base;
    if (rest.size() >= 2 && isDriveLetter(rest[0]) && rest[1] == QLatin1Char(':')) {
        const QChar letter = rest[0].toUpper();
        base = letter == QLatin1Char('C') ? root()
                                          : QFileInfo(root()).absolutePath() + QLatin1Char('/') + letter;
        rest = rest.mid(2);
    } else if (rest.startsWith(QLatin1Char('/'))) {
        base = QStringLiteral("/");
    } else {
        base = QStringLiteral(".");
    }
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    components->clear();
    for (const QString &part : rest.split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            // Never climbs above the drive's folder.
            if (!components->isEmpty())
                components->removeLast();
            continue;
        }
        components->append(part);
    }
    return base;
}

// The existing entry of dir that matches name case-insensitively (the exact spelling
// first), or name itself when there is none.
QString matchEntry(const QString &dir, const QString &name)
{
    if (QFileInfo::exists(dir + QLatin1Char('/') + name))
        return name;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

// Resolves the path level by level; with create set, missing folders are made on the way.
// Returns an empty string when a level cannot be created.
QString resolve(const QString &logicalPath, bool create)
{
    QStringList components;
    QString path = splitLogical(logicalPath, &components);
    if (create && !QFileInfo(path).isDir() && !QDir().mkpath(path))
        return QString();
    bool exists = true;
    for (const QString &component : components) {
        const QString name = exists ? matchEntry(path, component) : component;
        path = path.endsWith(QLatin1Char('/')) ? path + name : path + QLatin1Char('/') + name;
        if (exists)
            exists = QFileInfo::exists(path);
        if (create && !exists) {
            if (!QDir().mkdir(path))
                return QString();
            exists = true;
        }
    }
    return path;
}
#endif

} // namespace

void setRoot(const QString &nativeRoot)
{
    rootStorage() = QDir::cleanPath(QDir(nativeRoot).absolutePath());
}

QString root()
{
    return rootStorage();
}

QString defaultRoot(const QString &commandLineRoot)
{
    if (!commandLineRoot.isEmpty())
        return commandLineRoot;
    const QString env = qEnvironmentVariable("UNITDESK_ROOT");
    if (!env.isEmpty())
        return env;
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/unitdesk/C");
}

QString toNative(const QString &logicalPath)
{
#ifdef Q_OS_WIN
    return logicalPath;
#else
    return resolve(logicalPath, false);
#endif
}

QString toLogical(const QString &nativePath)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(nativePath);
#else
    const QString path = QDir::cleanPath(nativePath);
    const QString base = root();
    if (path == base)
        return QStringLiteral("C:\\");
    if (path.startsWith(base + QLatin1Char('/')))
        return QStringLiteral("C:\\") +
               path.mid(base.size() + 1).replace(QLatin1Char('/'), QLatin1Char('\\'));
    return nativePath;
#endif
}

bool dirExists(const QString &logicalPath)
{
    return QFileInfo(toNative(logicalPath)).isDir();
}

bool fileExists(const QString &logicalPath)
{
    return QFileInfo(toNative(logicalPath)).isFile();
}

bool ensureDir(const QString &logicalPath)
{
#ifdef Q_OS_WIN
    return QDir().mkpath(logicalPath);
#else
    const QString path = resolve(logicalPath, true);
    return !path.isEmpty() && QFileInfo(path).isDir();
#endif
}

bool removeEmptyDir(const QString &logicalPath)
{
    const QString path = toNative(logicalPath);
    return QFileInfo(path).isDir() && QDir().rmdir(path);
}

QStringList matchFiles(const QString &logicalPattern)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    const qsizetype cut = logicalPattern.lastIndexOf(separators);
    const QString folder = toNative(logicalPattern.left(cut + 1));
    const QString pattern = logicalPattern.mid(cut + 1);

    // Only "*" and "?" are wild; everything else matches itself. As on the system's own
    // file system, a trailing ".*" also matches names without an extension.
    QString expression;
    QString body = pattern;
    const bool anyExtension = body.endsWith(QLatin1String(".*"));
    if (anyExtension)
        body.chop(2);
    for (const QChar c : body) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    if (anyExtension)
        expression += QStringLiteral("(\\..*)?");
    const QRegularExpression re(QRegularExpression::anchoredPattern(expression),
                                QRegularExpression::CaseInsensitiveOption);

    QStringList matches;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (re.match(entry).hasMatch())
            matches << dir.filePath(entry);
    }
    return matches;
}

bool removeFile(const QString &logicalPath)
{
    const QString path = toNative(logicalPath);
    return QFileInfo(path).isFile() && QFile::remove(path);
}

bool replaceFile(const QString &logicalSource, const QString &logicalDest)
{
    QFile source(toNative(logicalSource));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile dest(toNative(logicalDest));
    if (!dest.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = source.read(buffer, sizeof buffer);
        if (n < 0) {
            dest.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (dest.write(buffer, n) != n) {
            dest.cancelWriting();
            return false;
        }
    }
    // commit() does not report a failed flush of the buffered bytes: a full disk would leave
    // an empty file under the final name. Flush first and give up on any failure.
    if (!dest.flush()) {
        dest.cancelWriting();
        return false;
    }
    return dest.commit();
}

bool writeFile(const QString &logicalPath, const QByteArray &bytes)
{
    QSaveFile file(toNative(logicalPath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // As above: a failed flush would otherwise go unreported.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace DriveMap
