// The libFuzzer entry: one program for every target, the target named by the environment
// (UNITDESK_FUZZ_TARGET=reply_path), so that a target joins without a line here.
#include "fuzz/FuzzTargets.h"

#include <cstdio>
#include <cstdlib>

namespace {
const fuzz::NamedTarget *target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *name = std::getenv("UNITDESK_FUZZ_TARGET");
    target = name ? fuzz::find(name) : nullptr;
    if (!target) {
        std::fprintf(stderr, "set UNITDESK_FUZZ_TARGET to one of:");
        for (const fuzz::NamedTarget &t : fuzz::all())
            std::fprintf(stderr, " %s", t.name);
        std::fprintf(stderr, "\n");
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return target->run(data, size);
}
