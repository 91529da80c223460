// Fuzz target: the SVG kind through its renderer: the document opened from memory, then a few
// levels drawn at a small size.
#include "FuzzDrawnKind.h"
#include "map/sources/SvgMapSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzDrawnKind<SvgMapSource>(data, size, "fuzz.svg");
}
