// The stored files' codecs as pure functions over a file's bytes: the Shift-JIS line reader
// (TextFile::decodeLines, what every file read goes through), then what the program makes of
// the lines. No window, no file: the fast counterparts of log_file, port_files,
// settings_files, group_file, registry_files and companion_export. Where an input holds
// several files, they are separated by NUL bytes (fuzz::splitAt).
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/TextFile.h"
#include "control/BasicConditionsCodec.h"
#include "control/ContinuousModeCodec.h"
#include "link/PortSettingsCodec.h"
#include "logstore/StorePaths.h"
#include "maint/CurrentValueCodec.h"
#include "maint/DspSettingsCodec.h"
#include "mainwin/UnitKinds.h"
#include "registry/ChannelNames.h"
#include "registry/CompanionExport.h"
#include "registry/GroupNames.h"
#include "registry/NameFiles.h"
#include "viewers/LogSeriesCodec.h"
#include "viewers/LogViewCodec.h"

namespace fuzz {

namespace {

QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A day or month log: the first byte chooses the view and the unit kind.
int logLines(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const LogView::View view = data[0] & 1 ? LogView::View::Monthly : LogView::View::Daily;
    const QString kind = QLatin1String(UnitKinds[(data[0] >> 1) % UnitKinds.size()].typeCode);
    const QString path = view == LogView::View::Daily
                             ? QStringLiteral("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH05\\m11d05.TXT")
                             : QStringLiteral("C:\\GRP01\\ZR1\\Y2026\\M11\\CH05\\MnLog.TXT");
    const QStringList lines = TextFile::decodeLines(bytesOf(data + 1, size - 1));
    if (lines.isEmpty())
        return 0;
    const LogView::Loaded loaded = LogView::decode(view, kind, path, lines);
    if (loaded.rows.size() > LogView::layoutFor(view, kind).rows - 1) // the grid has no row for more
        __builtin_trap();
    const LogSeries::Table table = LogSeries::table(view, kind, lines, loaded);
    LogSeries::chartSeries(table);
    LogSeries::csv(table);
    return 0;
}

// COMPORT2.TXT NUL COMPORT3.TXT.
int portLines(const uint8_t *data, size_t size)
{
    const auto [port, speed] = splitAt(bytesOf(data, size), '\0');
    PortSettings::portIndexFromLine(TextFile::decodeLines(port).value(0));
    PortSettings::speedIndexFromLine(TextFile::decodeLines(speed).value(0));
    return 0;
}

// A settings file's first line, read as each window that keeps one reads it.
int settingsLines(const uint8_t *data, size_t size)
{
    const QStringList lines = TextFile::decodeLines(bytesOf(data, size));
    const QString line = lines.value(0);
    const auto encoded = EncodeBaseLine(DecodeBaseLine(line));
    if (const QString *value = std::get_if<QString>(&encoded); value && value->size() != 18)
        __builtin_trap(); // a BASE.TXT line the window writes is always whole
    StoredContinuousValue(lines.isEmpty() ? std::nullopt : std::optional<QString>(line));
    CtFromFileLine(line);
    DspFromFileLine(line);
    return 0;
}

// GROUP.TXT: the group it names is always a two-character number, so its folder is one
// below C:\.
int groupLine(const uint8_t *data, size_t size)
{
    const QString groupNo = GroupNoFromLine(TextFile::decodeLines(bytesOf(data, size)).value(0));
    if (groupNo.contains(QLatin1Char('\\')))
        __builtin_trap();
    return 0;
}

// GRPNAME.TXT NUL a channel page file (CHNAMEn.TXT), read and written back as lines.
int registryLines(const uint8_t *data, size_t size)
{
    const auto [groups, page] = splitAt(bytesOf(data, size), '\0');
    const GroupNames::Table table = GroupNames::fromLines(TextFile::decodeLines(groups));
    if (GroupNames::fileLines(table).size() != GroupNames::Groups)
        __builtin_trap();
    for (const char *groupNo : {"", "01", "50", "99"})
        GroupNames::nameLabelText(table, QLatin1String(groupNo));

    QList<QStringList> rows;
    for (const QString &line : TextFile::decodeLines(page).mid(0, ChannelNames::RowsPerPage)) {
        rows << NameFiles::splitFields(line, ChannelNames::Fields);
        ChannelNames::fixedCorrection(rows.last().value(ChannelNames::Fields - 1));
    }
    if (ChannelNames::pageLines(rows).size() != ChannelNames::RowsPerPage)
        __builtin_trap();
    return 0;
}

// The companion export's inputs: Vimro.ini NUL Vimro2.TXT NUL GRPNAME.TXT NUL then the
// companion page files 1 and 2 of group 1, NUL between them; a part left out is a missing
// file.
int companionLines(const uint8_t *data, size_t size)
{
    QList<QByteArray> parts = bytesOf(data, size).split('\0');
    CompanionExport::Sources s;
    s.vimroIni = TextFile::decodeLines(parts.value(0));
    if (parts.size() > 1)
        s.vimro2 = TextFile::decodeLines(parts[1]);
    s.groupNames = GroupNames::fromLines(TextFile::decodeLines(parts.value(2)));
    for (int f = 1; f <= 2 && parts.size() > 2 + f; ++f)
        s.pages.insert({1, f}, TextFile::decodeLines(parts[2 + f]));
    CompanionExport::exportLines(s);
    return 0;
}

} // namespace

UNITDESK_FUZZ_TARGET(log_lines, logLines)
UNITDESK_FUZZ_TARGET(port_lines, portLines)
UNITDESK_FUZZ_TARGET(settings_lines, settingsLines)
UNITDESK_FUZZ_TARGET(group_line, groupLine)
UNITDESK_FUZZ_TARGET(registry_lines, registryLines)
UNITDESK_FUZZ_TARGET(companion_lines, companionLines)

} // namespace fuzz
