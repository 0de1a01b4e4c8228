// A settings file of C:\ZRLOG\CONTROL read both ways the settings windows read one: as grid
// row lines into a grid, and as a quoted value line. The first byte chooses the grid's size.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "control/SettingsFiles.h"
#include "ui/Grid.h"

namespace fuzz {

static int settingsFiles(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    prepare();
    const QString path = SettingsFiles::controlPath(QStringLiteral("FUZZ.TXT"));
    writeRaw(path, QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));

    static Grid *grid = new Grid; // one grid for every input, as a window keeps its own
    grid->setRows(2 + data[0] % 31);
    grid->setCols(2 + (data[0] >> 5));
    SettingsFiles::LoadGridFile(*grid, path);
    SettingsFiles::ReadQuotedLine(path);
    return 0;
}

UNITDESK_FUZZ_TARGET(settings_files, settingsFiles)

} // namespace fuzz
