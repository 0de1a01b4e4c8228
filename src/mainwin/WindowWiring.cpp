// The one place that knows every window: it registers each window's factory and reply
// steps. Steps of one reply code run in the order registered here, which is the order the
// reply table names the windows in: the main window first, then the dialogs.
#include "MainWindow.h"
#include "Program.h"
#include "link/FrameMonitorDialog.h"
#include "link/PortSettingsDialog.h"
#include "link/ReplyRoutes.h"
#include "logstore/DownloadSession.h"
#include "viewers/LogViewDialog.h"

void WireWindows(const WindowServices &services, ReplyRoutes &routes, MainWindow &main,
                 DownloadSession &downloads)
{
    main.addReplySteps(routes);
    downloads.addReplySteps(routes);

    PortSettingsDialog::wire(services);
    MonthlyViewDialog::wire(services);
    DailyViewDialog::wire(services);
    FrameMonitorDialog::wire(services); // no reply steps: it watches the port itself

    // After the time band window has taken the first half of its grid, the second half is
    // asked for, whichever window is open.
    routes.add(Reply::C, [&state = services.state, &link = services.link](const QByteArray &) {
        link.SendFrame(state.UnitTypeCode == QLatin1String("WJ") ? "BKID" : "RKID");
    });
}
