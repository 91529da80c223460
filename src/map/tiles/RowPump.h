// The one loop that moves a map source's rows into a pipeline's buffers.
#pragma once

#include <cstdint>
#include <limits>

class MapSource;

/// Where the pump puts the rows of the map and whom it tells.
class MapRowTarget {
public:
    virtual ~MapRowTarget() = default;
    /// How many rows from row y on may be read before RowsDecoded must hear of them.
    virtual int RowsBeforeReport(int y) const {
        (void)y;
        return std::numeric_limits<int>::max();
    }
    /// The memory for map row y (3 * map width bytes); asked for in order.
    virtual uint8_t* RowBuffer(int y) = 0;
    /// Map rows [0, rows) are decoded: the target's progress.
    virtual void RowsDecoded(int rows) = 0;
};

/// Starts the source, reads every row into the target's buffers a few rows at a time, reporting
/// after each read, and finishes the source. Errors of the source and of the target propagate.
void PumpRows(MapSource& source, MapRowTarget& target);
