// One libFuzzer target; KM_FUZZ_TARGET picks which check it runs.
#include "fuzz_checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string fault = fuzzTargets[KM_FUZZ_TARGET].check(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s: %s\n", fuzzTargets[KM_FUZZ_TARGET].name, fault.c_str());
        std::abort();
    }
    return 0;
}
