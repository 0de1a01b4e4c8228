// The registries as the program loads them: GRPNAME.TXT and the channel page files of
// group 01 (CHNAME1.TXT .. CHNAME10.TXT) through the main window's load steps and the
// group name and channel name windows, created hidden. The first byte chooses the page
// shown (bits 0-3) and whether both windows save what they loaded (bit 4); the rest is
// GRPNAME.TXT and the ten page files, each ended by a NUL byte. A save writes what the
// next load shows: saving a second time writes the same bytes.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/DriveMap.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "registry/ChannelNames.h"
#include "registry/ChannelNamesDialog.h"
#include "registry/GroupNames.h"
#include "registry/GroupNamesDialog.h"
#include "ui/WindowSet.h"

#include <QComboBox>
#include <QFile>
#include <functional>

namespace fuzz {

namespace {

QByteArray contents(const QString &logicalPath)
{
    QFile f(DriveMap::toNative(logicalPath));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// Saves twice; the file must be written both times, with the same bytes.
void saveTwice(const std::function<bool()> &save, const QString &logicalPath)
{
    if (!save())
        __builtin_trap();
    const QByteArray first = contents(logicalPath);
    if (!save() || contents(logicalPath) != first)
        __builtin_trap();
}

} // namespace

static int registryFiles(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    prepare();
    writeRaw(QStringLiteral("C:\\ZRLOG\\CONTROL\\GROUP.TXT"), "\"01\"\r\n");
    QStringList paths{GroupNames::filePath()};
    for (int page = 1; page <= ChannelNames::Pages; ++page)
        paths << ChannelNames::pageFile(QStringLiteral("C:\\GRP01"), page);
    placeFiles(QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)), paths);

    Program &p = program();
    p.windows().deleteAll();
    p.window().startUp(now());
    auto *channels = p.windows().get<ChannelNamesDialog>(WindowId::Form14);
    auto *groups = p.windows().get<GroupNamesDialog>(WindowId::Form9);
    const int page = (data[0] & 15) % ChannelNames::Pages;
    channels->Combo1->setCurrentIndex(page);
    channels->Combo1_Click(page);
    if (data[0] & 16) {
        saveTwice([groups] { return groups->Command3_Click(); }, GroupNames::writePath());
        saveTwice([channels] { return channels->Command3_Click(); }, paths[page + 1]);
    }
    return 0;
}

UNITDESK_FUZZ_TARGET(registry_files, registryFiles)

} // namespace fuzz
