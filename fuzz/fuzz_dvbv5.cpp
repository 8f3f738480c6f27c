// Reads arbitrary bytes as a dvbv5 scan table and merges them into a small table.
#include "fuzz/ListFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return velmora::fuzzing::RunOne(data, size, velmora::ListFormat::Dvbv5, "Astra-19.2E");
}
