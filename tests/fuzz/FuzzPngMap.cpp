// Fuzz target: PNG maps through their map source, header to last row.
#include "FuzzMapSourceRows.h"
#include "map/sources/PngMapSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzMapSourceRows<PngMapSource>(data, size);
    return 0;
}
