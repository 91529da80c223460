// The two ways of producing the tiles once info.js is open and the map's header is read.
#pragma once

#include <string>

#include "PyramidGeometry.h"
#include "map/sources/MapSourceOptions.h"

class MapInputs;
class MapProgress;
class DescriptionWriter;
class MapSource;
class OutputFolder;

/// What both pipelines work with.
struct MapRun {
    MapInputs& Inputs;
    MapProgress& Progress;
    DescriptionWriter& Description;
    MapSource& Source;
    const PyramidGeometry& Geometry;
    const OutputFolder& Output;  // locked, written safely (temporary names renamed into place)
    int Jobs;
    int BandBuffers;  // streaming only
    ShrinkFilter Shrink = ShrinkFilter::Nearest;
};

/// The tiles in file order: made band by band while rows arrive and written under temporary names,
/// renamed into place strictly in file order once decoding has succeeded, with the zoom and size
/// lines of info.js between them.
void RunInMemory(MapRun& run);

/// The same files from bands of rows: info.js lines first, tiles as their bands complete.
void RunStreaming(MapRun& run);

/// The same files for a source that draws each level at its own scale: the streaming pipeline's
/// bands drawn one at a time, level by level from zoom 18, while the workers encode the bands
/// drawn before.
void RunDrawnLevels(MapRun& run);
