#include "PortSettingsCodec.h"

#include "common/Vb.h"

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

} // namespace PortSettings
