// The two ways of producing the tiles once info.js is open and the map's header is read.
#pragma once

#include <string>

#include "PyramidGeometry.h"

class MapInputs;
class MapProgress;
class DescriptionWriter;
class MapSource;

/// What both pipelines work with.
struct MapRun {
    MapInputs& Inputs;
    MapProgress& Progress;
    DescriptionWriter& Description;
    MapSource& Source;
    const PyramidGeometry& Geometry;
    std::string Folder;
    int Jobs;
    int BandBuffers;  // streaming only
};

/// The tiles from a canvas holding the whole map: encoded while rows arrive, written after decoding
/// has succeeded, strictly in file order, with the zoom and size lines of info.js between them.
void RunInMemory(MapRun& run);

/// The same files from bands of rows: info.js lines first, tiles as their bands complete.
void RunStreaming(MapRun& run);

/// The same files for a source that draws each level at its own scale: the streaming pipeline's
/// bands drawn one at a time, level by level from zoom 18, while the workers encode the bands
/// drawn before.
void RunDrawnLevels(MapRun& run);
