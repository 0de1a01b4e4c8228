// The program's command line: the input is its arguments, each ended by a NUL byte.
#include "FuzzTargets.h"

#include "mainwin/Program.h"

namespace fuzz {

static int commandLine(const uint8_t *data, size_t size)
{
    QStringList arguments;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &a : bytes.split('\0'))
        arguments << QString::fromLocal8Bit(a);
    const ProgramOptions o = ParseProgramOptions(arguments);
    for (auto it = o.devices.begin(); it != o.devices.end(); ++it)
        if (it.key() < 1 || it.key() > 26 || it.value().isEmpty())
            __builtin_trap();
    ProgramUsage();
    return 0;
}

UNITDESK_FUZZ_TARGET(command_line, commandLine)

} // namespace fuzz
