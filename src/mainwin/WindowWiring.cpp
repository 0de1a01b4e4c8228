// The one place that knows every window: it registers each window's factory and reply
// steps. Steps of one reply code run in the order registered here, which is the order the
// reply table names the windows in: the main window first, then the dialogs.
#include "MainWindow.h"
#include "Program.h"
#include "control/BasicConditionsDialog.h"
#include "control/ControlRatesDialog.h"
#include "control/WaterSprayBasicDialog.h"
#include "control/ContinuousModeDialog.h"
#include "control/SeasonBandsDialog.h"
#include "control/SensorNumberDialog.h"
#include "control/TemperatureRangeDialog.h"
#include "control/TimeBandsDialog.h"
#include "link/FrameMonitorDialog.h"
#include "link/PortSettingsDialog.h"
#include "link/ReplyRoutes.h"
#include "logstore/DownloadSession.h"
#include "maint/CurrentValueDialog.h"
#include "maint/DspSettingsDialog.h"
#include "maint/UnitClockDialog.h"
#include "maint/UnitSettingsChangeDialog.h"
#include "registry/ChannelNamesDialog.h"
#include "registry/GroupAssignDialog.h"
#include "registry/GroupNamesDialog.h"
#include "report/MonthReportDialog.h"
#include "viewers/LogViewDialog.h"

#include <QLabel>

void WireWindows(const WindowServices &services, ReplyRoutes &routes, MainWindow &main,
                 DownloadSession &downloads)
{
    main.addReplySteps(routes);
    downloads.addReplySteps(routes);

    PortSettingsDialog::wire(services);
    MonthlyViewDialog::wire(services);
    DailyViewDialog::wire(services);
    BasicConditionsDialog::wire(services);
    ControlRatesDialog::wire(services);
    WaterSprayBasicDialog::wire(services);
    UnitSettingsChangeDialog::wire(services);
    CurrentValueDialog::wire(services);
    DspSettingsDialog::wire(services);
    UnitClockDialog::wire(services);
    SeasonBandsDialog::wire(services);
    TimeBandsDialog::wire(services);
    TemperatureRangeDialog::wire(services);
    SensorNumberDialog::wire(services);
    ContinuousModeDialog::wire(services);

    const MainLabels mainLabels{[&main] { main.showGroupLabels(); }, [&main] { main.showGroupName(); },
                                [&main] { main.Label19->clear(); }};
    GroupNamesDialog::wire(services, mainLabels);
    GroupAssignDialog::wire(services, mainLabels);
    ChannelNamesDialog::wire(services, mainLabels);
    FrameMonitorDialog::wire(services); // no reply steps: it watches the port itself
    MonthReportDialog::wire(services);  // no reply steps: it reads the store

    // After the time band window has taken the first half of its grid, the second half is
    // asked for, whichever window is open.
    routes.add(Reply::C, [&state = services.state, &link = services.link](const QByteArray &) {
        link.SendFrame(state.UnitTypeCode == QLatin1String("WJ") ? "BKID" : "RKID");
    });
}
