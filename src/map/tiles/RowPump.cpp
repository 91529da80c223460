// Rows are read in small groups (as many as the source prefers, up to what the target may take before
// it hears of them): the decoder writes several rows per call, and the pipelines hear of them soon
// enough to start encoding.
#include "RowPump.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "map/sources/MapSource.h"

void PumpRows(MapSource& source, MapRowTarget& target) {
    source.Start();
    const int height = source.Height();
    std::vector<uint8_t*> rows(static_cast<size_t>(std::clamp(source.PreferredRowsPerRead(), 1, 4096)));
    for (int y = 0; y < height;) {
        const int count = std::min({static_cast<int>(rows.size()), height - y, target.RowsBeforeReport(y)});
        for (int i = 0; i < count; ++i) rows[i] = target.RowBuffer(y + i);
        const int got = source.ReadRows(rows.data(), count);
        if (got <= 0) throw std::logic_error("the decoder ended before the last row");
        y += got;
        target.RowsDecoded(y);
    }
    source.Finish();
}
