// Fuzz target: TIFF and BigTIFF maps through their map source, header to last row.
#include "FuzzMapSourceRows.h"
#include "map/sources/TiffMapSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzMapSourceRows<TiffMapSource>(data, size);
    return 0;
}
