// The libFuzzer entry of one target, chosen at build time by UNITDESK_FUZZ_TARGET.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzz::UNITDESK_FUZZ_TARGET(data, size);
}
