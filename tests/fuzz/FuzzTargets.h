#pragma once
// The fuzz targets: each takes any bytes and runs one input path of the program on them.
// The same functions run under libFuzzer (libfuzzer/, clang) and as the corpus replay of
// the ordinary test suite. A target returns 0; any fault is a sanitizer report or a crash.
// A target joins by itself: a file of tests/fuzz/ with UNITDESK_FUZZ_TARGET and a corpus
// folder tests/fuzz/corpus/<name>/.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzz {

using Target = int (*)(const uint8_t *data, size_t size);

struct NamedTarget {
    const char *name; // also the folder of its corpus
    Target run;
};
std::vector<NamedTarget> &all();
const NamedTarget *find(const char *name);

struct Registrar {
    Registrar(const char *name, Target run) { all().push_back({name, run}); }
};

} // namespace fuzz

#define UNITDESK_FUZZ_TARGET(name, function) static fuzz::Registrar fuzzTarget_##name(#name, function);
