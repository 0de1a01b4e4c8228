// The settings windows' files as the windows load them: the window is created hidden
// through the window set, as a reply or a menu would create it, so that its own load code
// runs. The first byte chooses the window (bits 0-2) and whether the unit kind is the
// water-spray one (bit 3), which picks the files of some windows; the rest is the
// window's files, each ended by a NUL byte, in the order of the table below.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "control/SettingsFiles.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "mainwin/UnitKinds.h"
#include "ui/WindowSet.h"

#include <array>

namespace fuzz {

namespace {

struct Loader {
    WindowId window;
    QStringList files; // below C:\ZRLOG\CONTROL
};

const std::array<Loader, 8> &loaders()
{
    static const std::array<Loader, 8> table{{
        {WindowId::Form5, {"CONT2.TXT", "CONTWJ2.TXT"}},
        {WindowId::Form6, {"SEASN.TXT", "SEASN_WJ.TXT"}},
        {WindowId::Form7, {"TZONE.TXT", "TZONE_WJ.TXT"}},
        {WindowId::Form10, {"BASE.TXT", "CONT1.TXT", "WEEK.TXT"}},
        {WindowId::Form11, {"CTLEVEL.TXT"}},
        {WindowId::Form13, {"IMULTI.TXT", "LOGCONT.TXT", "IDIV.TXT", "IOFST.TXT", "ICONT.TXT"}},
        {WindowId::Form23, {"BASE_WJ.TXT", "CONT_WJ1.TXT"}},
        {WindowId::Form24, {"RENZOKU.TXT", "CUTFBKDAT.TXT"}},
    }};
    return table;
}

int kindIndex(const char *code)
{
    for (int i = 0; i < int(UnitKinds.size()); ++i)
        if (qstrcmp(UnitKinds[i].typeCode, code) == 0)
            return i;
    return 0;
}

} // namespace

static int settingsWindows(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    prepare();
    const Loader &loader = loaders()[data[0] & 7];
    QStringList paths;
    for (const QString &file : loader.files)
        paths << SettingsFiles::controlPath(file);
    placeFiles(QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)), paths);

    Program &p = program();
    p.windows().deleteAll();
    static bool started = false;
    if (!started) {
        p.window().startUp(now());
        started = true;
    }
    p.window().selectUnitKind(kindIndex(data[0] & 8 ? "WJ" : "A"));
    if (!p.windows().get(loader.window))
        __builtin_trap();
    return 0;
}

UNITDESK_FUZZ_TARGET(settings_windows, settingsWindows)

} // namespace fuzz
