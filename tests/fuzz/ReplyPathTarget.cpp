// The whole program as it starts, fed the input as the characters its port received. The
// program is built by Program, so every window wired there and every reply step it
// registers is reached without this file knowing them. The first byte chooses the
// situation: bits 0-1 the download running (none, a range, the picked day), bit 2 every
// window made hidden beforehand, bits 3-7 the unit kind.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/DriveMap.h"
#include "link/ReplyDispatcher.h"
#include "mainwin/DownloadFront.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "mainwin/UnitKinds.h"

namespace fuzz {

namespace {
void restart(Program &p, bool windowsFirst)
{
    if (!windowsFirst)
        p.windows().deleteAll();
    p.window().startUp(now());
    if (windowsFirst) // every window exists, hidden, as if a reply had touched it before
        for (WindowId id : p.windows().registered())
            p.windows().get(id);
}
} // namespace

static int replyPath(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    prepare();
    static int runs = 0;
    if (++runs % 1000 == 0) // what the downloads stored
        clearRoot();
    const uint8_t situation = data[0];
    const QByteArray line(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    Program &p = program();
    restart(p, situation & 4);
    MainWindow &window = p.window();
    window.selectUnitKind(int(situation >> 3) % int(UnitKinds.size()));
    switch (situation & 3) {
    case 1: // a range of three days up to yesterday
        p.state().StartDate = {QStringLiteral("26"), QStringLiteral("12"), QStringLiteral("05")};
        p.state().EndDate = {QStringLiteral("26"), QStringLiteral("12"), QStringLiteral("07")};
        window.downloadFront().startMonth();
        break;
    case 2: // the picked day, today
        window.downloadFront().startDay();
        break;
    default:
        break;
    }

    // As the port hands its characters on (SerialLink::readAvailable).
    p.link().assembler().feed(
        line, [&p](const QByteArray &text, QByteArray &rxCode) { DispatchReply(text, rxCode, p.routes()); });
    return 0;
}

UNITDESK_FUZZ_TARGET(reply_path, replyPath)

} // namespace fuzz
