// The folder check: read and check info.js, list the folder once, then inspect the pyramid's tiles
// in the order the run writes them.
#include "FolderCheck.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "DescriptionWriter.h"
#include "map/codec/JpegInspect.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "core/OsError.h"
#include "core/OutputFolder.h"
#include "core/os/Files.h"

namespace {

// Far beyond any description the program writes; keeps a stray huge file out of memory.
constexpr uint64_t kMaxDescriptionBytes = 64u << 20;

struct TileName {
    int Zoom, X, Y;
};

// "ZOOM_X_Y.jpg" with decimal numbers (a minus sign allowed on the zoom), or nothing.
std::optional<TileName> ParseTileName(const std::string& name) {
    if (!name.ends_with(".jpg")) return std::nullopt;
    int values[3] = {};
    size_t pos = 0;
    for (int part = 0; part < 3; ++part) {
        bool negative = part == 0 && pos < name.size() && name[pos] == '-';
        if (negative) ++pos;
        const size_t start = pos;
        long long value = 0;
        while (pos < name.size() && name[pos] >= '0' && name[pos] <= '9') {
            if (value < 1000000000) value = value * 10 + (name[pos] - '0');
            ++pos;
        }
        if (pos == start) return std::nullopt;
        values[part] = static_cast<int>(std::min<long long>(value, 1000000000)) * (negative ? -1 : 1);
        const char separator = part < 2 ? '_' : '.';
        if (pos >= name.size() || name[pos] != separator) return std::nullopt;
        ++pos;
    }
    if (name.size() != pos + 3) return std::nullopt;
    return TileName{values[0], values[1], values[2]};
}

bool InPyramid(const MapDescription& description, const std::string& name) {
    auto tile = ParseTileName(name);
    if (!tile || tile->Zoom > kTopZoom || tile->Zoom < description.ZoomMin) return false;
    const LevelGeometry& level = description.Levels[static_cast<size_t>(kTopZoom - tile->Zoom)];
    return tile->X <= level.MaxX && tile->Y <= level.MaxY && TileFileName(tile->Zoom, tile->X, tile->Y) == name;
}

MapDescription ReadFolderDescription(const std::string& folder) {
    const std::string path = JoinPath(folder, DescriptionWriter::kFileName);
    FileStatus status;
    if (PathStatus(path, status) == 0 && status.Kind == FileKind::Regular && status.Size > kMaxDescriptionBytes) {
        throw Exception(path + ": too large for a map description");
    }
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    DescriptionReadResult read = ReadDescription(bytes);
    if (!read.Description) throw Exception(path + ": " + read.Error);
    return std::move(*read.Description);
}

}  // namespace

std::string TileFault(const std::vector<uint8_t>& bytes) {
    const JpegInspection jpeg = InspectJpeg(bytes);
    if (!jpeg.Clean) return jpeg.Problem;
    if (jpeg.Width != kTileSize || jpeg.Height != kTileSize) {
        return std::to_string(jpeg.Width) + " x " + std::to_string(jpeg.Height) + " pixels instead of 256 x 256";
    }
    if (!jpeg.Baseline) return "not a baseline JPEG";
    return {};
}

FolderCheckReport CheckOutputFolder(const std::string& folder, MapProgress& progress) {
    FolderCheckReport report;
    std::vector<std::string> names;
    // Through the file layer, which takes the folder's name as UTF-8 on every system.
    OutputFolder listed;
    int error = listed.Open(folder);
    if (error == 0) {
        error = listed.List([&](const std::string& name) {
            // Only what the next run would remove: regular files, not links or folders of that name.
            if (OutputFolder::IsTemporaryName(name) && listed.IsRegularFile(name)) report.Temporary.push_back(name);
            if (ParseTileName(name)) names.push_back(name);
        });
    }
    if (error != 0) throw Exception("Cannot list folder \"" + folder + "\". " + OsErrorDescription(error));
    try {
        report.Description = ReadFolderDescription(folder);
    } catch (const Exception& e) {
        // A run killed before its info.js was written out: say what it left.
        if (report.Temporary.empty()) throw;
        throw Exception(std::string(e.what()) + "; " + std::to_string(report.Temporary.size()) +
                        " temporary files of a run that was killed lie in the folder (the next run removes them)");
    }
    const MapDescription& description = report.Description;

    std::unordered_set<std::string> present;
    for (std::string& name : names) {
        if (InPyramid(description, name)) {
            present.insert(std::move(name));
        } else {
            report.Extra.push_back(std::move(name));
        }
    }
    std::sort(report.Extra.begin(), report.Extra.end());
    std::sort(report.Temporary.begin(), report.Temporary.end());

    progress.SetMax(static_cast<int>(std::min<int64_t>(description.TotalTiles(), INT32_MAX)));
    for (const LevelGeometry& level : description.Levels) {
        for (int x = 0; x <= level.MaxX; ++x) {
            for (int y = 0; y <= level.MaxY; ++y) {
                progress.ProcessMessages();
                progress.SetPosition(static_cast<int>(++report.Checked));
                std::string name = TileFileName(level.Zoom, x, y);
                if (!present.contains(name)) {
                    report.Missing.push_back(std::move(name));
                    continue;
                }
                std::string fault;
                try {
                    fault = TileFault(ReadWholeFile(JoinPath(folder, name)));
                } catch (const Exception& e) {
                    fault = e.what();
                }
                if (!fault.empty()) report.Corrupt.push_back({std::move(name), std::move(fault)});
            }
        }
    }
    return report;
}
