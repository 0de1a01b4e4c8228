// The whole program as it starts, fed the input as the characters its port received. The
// program is built by Program, so every window wired there and every reply step it
// registers is reached without this file knowing them.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/DriveMap.h"
#include "link/ReplyDispatcher.h"
#include "mainwin/DownloadFront.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "mainwin/UnitKinds.h"

namespace fuzz {

int replyPath(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    prepare();
    clearRoot();
    const uint8_t situation = data[0];
    const QByteArray line(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    ProgramOptions options;
    options.root = DriveMap::root();
    Program program(options);
    MainWindow &window = program.window();
    window.endProgram = [] {};
    window.link().setDeviceForAll(portDevice());
    window.startUp(now());

    window.selectUnitKind(int(situation >> 3) % int(UnitKinds.size()));
    if (situation & 4) // every window exists, hidden, as if a reply had touched it before
        for (WindowId id : program.windows().registered())
            program.windows().get(id);
    switch (situation & 3) {
    case 1: // a month download from the first of last month on
        program.state().StartDate = {QStringLiteral("26"), QStringLiteral("11"), QStringLiteral("01")};
        program.state().EndDate = {QStringLiteral("26"), QStringLiteral("12"), QStringLiteral("07")};
        window.downloadFront().startMonth();
        break;
    case 2: // the picked day
        window.downloadFront().startDay();
        break;
    default:
        break;
    }

    // As the port hands its characters on (SerialLink::readAvailable).
    program.link().assembler().feed(line, [&program](const QByteArray &text, QByteArray &rxCode) {
        DispatchReply(text, rxCode, program.routes());
    });
    return 0;
}

} // namespace fuzz
