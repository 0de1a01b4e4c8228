#pragma once
// The fuzz targets: each takes any bytes and runs one input path of the program on them.
// The same functions run under libFuzzer (libfuzzer/, clang) and as the corpus replay of
// the ordinary test suite. A target returns 0; any fault is a sanitizer report or a crash.
#include <cstddef>
#include <cstdint>

namespace fuzz {

using Target = int (*)(const uint8_t *data, size_t size);

// bytes -> receive assembler -> dispatcher -> every window's reply steps. The first byte
// chooses the situation: download (none, month, day), windows created beforehand, unit kind.
int replyPath(const uint8_t *data, size_t size);
// A day or month log as the views read it; the first byte chooses the view and unit kind.
int logFile(const uint8_t *data, size_t size);
// The two port files (port, speed) as the program applies them at start-up.
int portFiles(const uint8_t *data, size_t size);
// A settings grid file loaded into a grid, and a quoted value file.
int settingsFiles(const uint8_t *data, size_t size);
// GROUP.TXT restored by the main window's load steps.
int groupFile(const uint8_t *data, size_t size);
// The program's command line: arguments separated by NUL bytes.
int commandLine(const uint8_t *data, size_t size);

struct NamedTarget {
    const char *name; // also the folder of its corpus
    Target run;
};
inline constexpr NamedTarget All[] = {
    {"reply_path", replyPath},         {"log_file", logFile},     {"port_files", portFiles},
    {"settings_files", settingsFiles}, {"group_file", groupFile}, {"command_line", commandLine},
};

} // namespace fuzz
