// The port file and the speed file as the program applies them at start-up. The input is
// the port file, a NUL, then the speed file; without a NUL the speed file is missing.
#include "FuzzEnv.h"
#include "FuzzTargets.h"

#include "common/AppState.h"
#include "link/PortSettings.h"
#include "link/PortSettingsCodec.h"
#include "link/SerialLink.h"

namespace fuzz {

static int portFiles(const uint8_t *data, size_t size)
{
    prepare();
    const auto [port, speed] = splitAt(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), '\0');
    writeRaw(PortSettings::PortFile, port);
    if (size_t(port.size()) == size)
        removeFile(PortSettings::SpeedFile);
    else
        writeRaw(PortSettings::SpeedFile, speed);

    AppState state;
    SerialLink link;
    link.setDeviceForAll(portDevice());
    ApplyPortSettings(link, state);
    // Whatever the file says, the port in force is one the program has.
    if (link.portNumber() < 1 || link.portNumber() > 26)
        __builtin_trap();
    return 0;
}

UNITDESK_FUZZ_TARGET(port_files, portFiles)

} // namespace fuzz
