// The command line of "unitdesk download": the input is its arguments, each ended by a
// NUL byte. A command line taken without an error names what the download needs.
#include "FuzzTargets.h"

#include "headless/DownloadOptions.h"

#include <QSet>

namespace fuzz {

static int downloadCommandLine(const uint8_t *data, size_t size)
{
    QStringList arguments;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &a : bytes.split('\0'))
        arguments << QString::fromLocal8Bit(a);
    const DownloadOptions o = ParseDownloadOptions(arguments, QDate(2026, 12, 8));
    for (auto it = o.devices.begin(); it != o.devices.end(); ++it)
        if (it.key() < 1 || it.key() > 26 || it.value().isEmpty())
            __builtin_trap();
    if (!o.help && o.error.isEmpty()) {
        static const QStringList kinds{"A", "B", "WJ", "C", "D", "G"};
        QSet<QString> seen;
        for (const DownloadUnit &u : o.units) {
            const bool id = u.unitId.size() == 2 && u.unitId.toInt() >= 0 && u.unitId.toInt() <= 12;
            if (!id || !kinds.contains(u.kind) || seen.contains(u.unitId))
                __builtin_trap();
            seen.insert(u.unitId);
        }
        const bool group = o.groupNo.isEmpty() ||
                           (o.groupNo.size() == 2 && o.groupNo.toInt() >= 1 && o.groupNo.toInt() <= 50);
        if (o.units.isEmpty() || !o.from.isValid() || !o.to.isValid() || o.from > o.to || !group)
            __builtin_trap();
    }
    DownloadUsage();
    return 0;
}

UNITDESK_FUZZ_TARGET(download_command_line, downloadCommandLine)

} // namespace fuzz
