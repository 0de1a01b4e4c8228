// A stored day or month log as the views read it: the file's bytes through the Shift-JIS
// reader, then the views' codec, then what the views make of the grid (CSV, chart values).
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/TextFile.h"
#include "mainwin/UnitKinds.h"
#include "viewers/LogSeriesCodec.h"
#include "viewers/LogViewCodec.h"

namespace fuzz {

static int logFile(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    prepare();
    const uint8_t choice = data[0];
    const LogView::View view = choice & 1 ? LogView::View::Monthly : LogView::View::Daily;
    const QString kind = QLatin1String(UnitKinds[(choice >> 1) % UnitKinds.size()].typeCode);
    // The path is part of what the views show (group and channel are read from it).
    const QString path = view == LogView::View::Daily ? QStringLiteral("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH05\\m11d05.TXT")
                                                      : QStringLiteral("C:\\GRP01\\ZR1\\Y2026\\M11\\CH05\\MnLog.TXT");
    writeRaw(path, QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));

    bool ok = false;
    const QStringList lines = TextFile::readLines(path, &ok);
    const LogView::Layout layout = LogView::layoutFor(view, kind);
    if (ok && !lines.isEmpty()) {
        const LogView::Loaded loaded = LogView::decode(view, kind, path, lines);
        // The grid has no row for more.
        if (loaded.rows.size() > layout.rows - 1)
            __builtin_trap();
        const LogSeries::Table table = LogSeries::table(view, kind, lines, loaded);
        LogSeries::chartSeries(table);
        LogSeries::csv(table);
    }
    return 0;
}

UNITDESK_FUZZ_TARGET(log_file, logFile)

} // namespace fuzz
