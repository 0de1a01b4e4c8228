// The companion export's inputs: Vimro.ini, Vimro2.TXT, GRPNAME.TXT and companion page
// files of groups 01, 02 and 20, each ended by a NUL byte in that order (a file after
// the last part is missing). Whatever they hold, NAME.TXT is written.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "registry/CompanionExport.h"
#include "registry/GroupNames.h"

namespace fuzz {

static int companionExport(const uint8_t *data, size_t size)
{
    prepare();
    clearRoot();
    using namespace CompanionExport;
    const QStringList paths{iniFile(),
                            vimro2File(),
                            GroupNames::filePath(),
                            companionPageFile(1, 1),
                            companionPageFile(1, 2),
                            companionPageFile(2, 1),
                            companionPageFile(20, 11)};
    placeFiles(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), paths);
    if (run() != Result::Written)
        __builtin_trap();
    return 0;
}

UNITDESK_FUZZ_TARGET(companion_export, companionExport)

} // namespace fuzz
