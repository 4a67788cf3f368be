// libFuzzer entry point for the keyword-file readers.
#include <cstddef>
#include <cstdint>

#include "ruv_fuzz_one.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kalvex::fuzz::oneInput(reinterpret_cast<const char*>(data), size);
    return 0;
}
