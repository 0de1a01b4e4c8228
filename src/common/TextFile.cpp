#include "TextFile.h"

#include "DriveMap.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace TextFile {

namespace {

// Windows code page 932, the code page the system's files are written in, as ICU names it.
constexpr const char *codecName = "windows-31j";

QByteArray lineBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encode(line) + "\r\n";
    return bytes;
}

QString withoutCr(const QByteArray &line)
{
    return decode(line.endsWith('\r') ? line.chopped(1) : line);
}

} // namespace

namespace {

// ICU's code page 932 table rotates three control codes the IBM way (0x1A, 0x1C, 0x7F);
// Windows maps them to themselves. None of them is ever part of a double-byte character,
// so they are kept out of the converter and passed through as they are.
bool isRotatedControl(char16_t c)
{
    return c == 0x1A || c == 0x1C || c == 0x7F;
}

QByteArray encodeRun(QStringView text)
{
    QStringEncoder encoder(codecName);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // A character the code page lacks is written as "?", as Windows does; the converter's
    // own substitute (0xFC 0xFC) is no character at all in code page 932.
    bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder one(codecName);
        const QByteArray piece = one.encode(text.mid(i, n));
        bytes += one.hasError() ? QByteArray("?") : piece;
        i += n - 1;
    }
    return bytes;
}

QString decodeRun(QByteArrayView bytes)
{
    // Opening the converter looks its name up among all of ICU's, which costs far more than
    // decoding a line: one is kept per thread and reset before each run.
    thread_local QStringDecoder decoder(codecName);
    decoder.resetState();
    return decoder.decode(bytes);
}

// Code page 932 keeps ASCII as it is (the three rotated controls included, see above): the
// record lines, numbers and paths that make most of the files need no converter.
bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}
bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

} // namespace

QByteArray encode(const QString &text)
{
    if (isAscii(text))
        return text.toLatin1();
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isRotatedControl(text[i].unicode())) {
            bytes += encodeRun(QStringView(text).mid(start, i - start));
            bytes += char(text[i].unicode());
            start = i + 1;
        }
    }
    return bytes + encodeRun(QStringView(text).mid(start));
}

QString decode(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (isRotatedControl(uchar(bytes[i]))) {
            text += decodeRun(QByteArrayView(bytes).sliced(start, i - start));
            text += QChar(uchar(bytes[i]));
            start = i + 1;
        }
    }
    return text + decodeRun(QByteArrayView(bytes).sliced(start));
}

bool checkCodec()
{
    QStringEncoder encoder(codecName);
    QStringDecoder decoder(codecName);
    // A half-width katakana, a double-byte character and the backslash must survive.
    const QString probe = QStringLiteral("ﾃﾞｰﾀ℃\\");
    const bool ok = encoder.isValid() && decoder.isValid() &&
                    encode(probe) == QByteArray("\xC3\xDE\xB0\xC0\x81\x8E\\") &&
                    decode(encode(probe)) == probe;
    if (!ok)
        qCritical("No working Shift-JIS (%s) converter: stored files cannot be read or written", codecName);
    return ok;
}

QStringList readLines(const QString &logicalPath, bool *ok)
{
    QFile file(DriveMap::toNative(logicalPath));
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    return opened ? decodeLines(file.readAll()) : QStringList();
}

QStringList decodeLines(const QByteArray &bytes)
{
    // 0x0A is never part of a double-byte character, so lines can be split as bytes.
    QList<QByteArray> raw = bytes.split('\n');
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    QStringList lines;
    lines.reserve(raw.size());
    for (const QByteArray &line : raw)
        lines << withoutCr(line);
    return lines;
}

QString readFirstLine(const QString &logicalPath)
{
    QFile file(DriveMap::toNative(logicalPath));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line = file.readLine();
    if (line.endsWith('\n'))
        line.chop(1);
    return withoutCr(line);
}

bool writeLines(const QString &logicalPath, const QStringList &lines)
{
    return DriveMap::writeFile(logicalPath, lineBytes(lines));
}

bool writeQuotedLine(const QString &logicalPath, const QString &value)
{
    return writeLines(logicalPath, {QLatin1Char('"') + value + QLatin1Char('"')});
}

QString readQuotedValue(const QString &logicalPath)
{
    const QString line = readFirstLine(logicalPath);
    const QString value = line.mid(1);
    const qsizetype quote = value.indexOf(QLatin1Char('"'));
    return quote < 0 ? value : value.left(quote);
}

QList<QStringList> readTabRows(const QString &logicalPath, bool *ok)
{
    QList<QStringList> rows;
    for (const QString &line : readLines(logicalPath, ok))
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

bool writeTabRows(const QString &logicalPath, const QList<QStringList> &rows)
{
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList &row : rows)
        lines << row.join(QLatin1Char('\t'));
    return writeLines(logicalPath, lines);
}

struct AppendFile::Impl {
    QFile file;
    QString logicalPath;
    bool failed = false;
};

AppendFile::AppendFile() : d(std::make_unique<Impl>()) {}

AppendFile::~AppendFile() = default;

bool AppendFile::restart(const QString &logicalPath)
{
    close();
    d->logicalPath = logicalPath;
    d->failed = false;
    const QString native = DriveMap::toNative(logicalPath);
    if (QFile::exists(native) && !QFile::remove(native)) {
        d->failed = true;
        return false;
    }
    d->file.setFileName(native);
    if (!d->file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        d->failed = true;
        return false;
    }
    return true;
}

bool AppendFile::appendLine(const QString &line)
{
    if (!d->file.isOpen()) {
        d->failed = true;
        return false;
    }
    const QByteArray bytes = encode(line) + "\r\n";
    if (d->file.write(bytes) != bytes.size() || !d->file.flush()) {
        d->failed = true;
        return false;
    }
    return true;
}

bool AppendFile::close()
{
    if (d->file.isOpen()) {
        if (!d->file.flush())
            d->failed = true;
        d->file.close();
        // A full disk may show only when the buffered bytes reach it.
        if (d->file.error() != QFileDevice::NoError)
            d->failed = true;
    }
    return !d->failed;
}

bool AppendFile::isOpen() const
{
    return d->file.isOpen();
}

QString AppendFile::path() const
{
    return d->logicalPath;
}

bool AppendFile::failed() const
{
    return d->failed;
}

} // namespace TextFile
