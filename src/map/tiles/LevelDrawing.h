// The producer of the drawn run: each level's bands drawn by the source at the level's own scale.
#pragma once

#include "PyramidGeometry.h"
#include "core/Color.h"

class MapSource;
class StreamingTilePipeline;

/// Draws every band of tile rows that holds part of the drawing, level by level from the full
/// resolution and top to bottom, into the pipeline's band buffers; the pipeline's Finish adds the
/// bands below the drawing. Level L has ceil(w / 2^L) x ceil(h / 2^L) drawn pixels, the sampled
/// pixels of a raster of the same size. Errors of the source and the pipeline propagate.
void DrawLevels(MapSource& source, const PyramidGeometry& geometry, TColor canvasRgb, StreamingTilePipeline& pipeline);
