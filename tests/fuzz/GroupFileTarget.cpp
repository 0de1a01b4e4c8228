// GROUP.TXT as the main window's load steps restore it: the group folder it names is
// created and shown.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/AppState.h"
#include "common/DriveMap.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"

namespace fuzz {

static int groupFile(const uint8_t *data, size_t size)
{
    prepare();
    clearRoot();
    writeRaw(QStringLiteral("C:\\ZRLOG\\CONTROL\\GROUP.TXT"),
             QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Program &p = program();
    p.window().startUp(now());
    // The group folder is always one below C:\.
    const QString dir = p.state().GroupDir;
    if (!dir.startsWith(QLatin1String("C:\\GRP")) || dir.mid(3).contains(QLatin1Char('\\')))
        __builtin_trap();
    return 0;
}

UNITDESK_FUZZ_TARGET(group_file, groupFile)

} // namespace fuzz
