// Rows are read in small groups: the decoder writes several rows per call, and the pipelines hear
// of them soon enough to start encoding.
#include "RowPump.h"

#include <algorithm>
#include <stdexcept>

#include "map/sources/MapSource.h"

namespace {

constexpr int kRowsPerRead = 16;

}  // namespace

void PumpRows(MapSource& source, MapRowTarget& target) {
    source.Start();
    const int height = source.Height();
    uint8_t* rows[kRowsPerRead];
    for (int y = 0; y < height;) {
        const int count = std::min({kRowsPerRead, height - y, target.RowsBeforeReport(y)});
        for (int i = 0; i < count; ++i) rows[i] = target.RowBuffer(y + i);
        const int got = source.ReadRows(rows, count);
        if (got <= 0) throw std::logic_error("the decoder ended before the last row");
        y += got;
        target.RowsDecoded(y);
    }
    source.Finish();
}
