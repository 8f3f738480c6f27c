// Reads arbitrary bytes as an .ini transponder list and merges them into a small table.
#include "fuzz/ListFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return velmora::fuzzing::RunOne(data, size, velmora::ListFormat::Ini, "list.ini");
}
