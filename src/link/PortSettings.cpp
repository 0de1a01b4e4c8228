#include "PortSettings.h"

#include "PortSettingsDialog.h"
#include "SerialLink.h"
#include "common/AppState.h"
#include "common/StatusBar.h"
#include "common/TextFile.h"
#include "common/Vb.h"

#include <QListWidget>
#include <cmath>

namespace PortSettings {

const std::array<Speed, 6> SpeedTable = {{
    {"4800,n,8,2", "4800"},
    {"9600,n,8,2", "9600"},
    {"19200,n,8,2", "19200"},
    {"38400,n,8,2", "38400"},
    {"57600,n,8,2", "57600"},
    {"115200,n,8,2", "115200"},
}};

namespace {
// The files' numbers land in integers, which round halves to even.
int toIndex(double value)
{
    return int(std::nearbyint(value));
}
} // namespace

int portIndexFromLine(const QString &line)
{
    return toIndex(Val(Mid(line, 2, 2)));
}

int speedIndexFromLine(const QString &line)
{
    return toIndex(Val(Mid(line, 3, 1)));
}

QString portFileValue(int portIndex)
{
    return Format(double(portIndex), QStringLiteral("00"));
}

QString speedFileValue(int speedIndex)
{
    // A number's plain text puts a blank where a minus sign would go.
    return speedIndex < 0 ? QString::number(speedIndex) : QStringLiteral(" %1").arg(speedIndex);
}

QString statusText(int portNumber, const QString &pcLineSpeed)
{
    return QStringLiteral("COM : ") + Format(double(portNumber), QStringLiteral("00")) +
           QStringLiteral(" 速度 : ") + pcLineSpeed;
}

bool isSpeedIndex(int speedIndex)
{
    return speedIndex >= 0 && speedIndex < int(SpeedTable.size());
}

int speedIndexOf(const QString &speedText)
{
    for (int i = 0; i < int(SpeedTable.size()); ++i) {
        if (speedText == QLatin1String(SpeedTable[i].speedText))
            return i;
    }
    return -1;
}

void applySpeed(SerialLink &link, AppState &state, int speedIndex)
{
    if (!isSpeedIndex(speedIndex))
        return;
    link.setSettings(QLatin1String(SpeedTable[speedIndex].settings));
    state.PcLineSpeed = QLatin1String(SpeedTable[speedIndex].speedText);
}

} // namespace PortSettings

void ApplyPortSettings(SerialLink &link, AppState &state, PortSettingsDialog *form2)
{
    using namespace PortSettings;
    // Every step is skipped when it fails; a missing file reads as an empty line (COM1, 4800).
    if (link.isOpen())
        link.close();
    const int portIndex = portIndexFromLine(TextFile::readFirstLine(PortFile));
    const int speedIndex = speedIndexFromLine(TextFile::readFirstLine(SpeedFile));
    applySpeed(link, state, speedIndex);
    link.setPortNumber(portIndex + 1);
    link.setLineDefaults();
    link.open();

    if (!form2)
        return;
    // The port in force: a number outside COM1..COM26 in the file was not taken.
    form2->StatusBar1->setPanelText(2, statusText(link.portNumber(), state.PcLineSpeed));
    if (portIndex >= 0 && portIndex < form2->List1->count())
        form2->List1->setCurrentRow(portIndex);
    if (isSpeedIndex(speedIndex))
        form2->List2->setCurrentRow(speedIndex);
}
