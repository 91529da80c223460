// The two ways of producing the tiles once info.js is open and the map's header is read.
#pragma once

#include <string>

#include "PyramidGeometry.h"

class MapInputs;
class MapProgress;
class DescriptionWriter;
class JpegRowReader;

/// What both pipelines work with.
struct MapRun {
    MapInputs& Inputs;
    MapProgress& Progress;
    DescriptionWriter& Description;
    JpegRowReader& Reader;
    const PyramidGeometry& Geometry;
    std::string Folder;
    int Jobs;
    int BandBuffers;  // streaming only
};

/// Steps 7 to 11 on a canvas holding the whole map: tiles encoded while rows arrive, written after
/// decoding has succeeded, strictly in file order.
void RunInMemory(MapRun& run);

/// The same files from bands of rows: info.js lines first, tiles as their bands complete.
void RunStreaming(MapRun& run);
