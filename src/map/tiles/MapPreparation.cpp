// The run in order: validation, info.js, the map's header, the choice of pipeline, the tiles, the
// background picture copy.
#include "MapPreparation.h"

#include <algorithm>
#include <thread>

#include "DescriptionWriter.h"
#include "MapRuns.h"
#include "PyramidGeometry.h"
#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "core/OutputFolder.h"
#include "core/SystemMemory.h"
#include "core/os/Files.h"
#include "map/sources/MapSourceRegistry.h"

namespace {

constexpr const char* kBlankImageName = "blank_img.gif";

// A map path that names nothing (or a folder) ends the run silently; a FIFO or a device
// would block or never end, so it fails here, before anything is written.
bool IsExistingMapFile(const std::string& path) {
    FileStatus status;
    if (path.empty() || PathStatus(path, status) != 0 || status.Kind == FileKind::Folder) return false;
    if (status.Kind != FileKind::Regular) throw EFOpenError(NotRegularFileMessage(path));
    return true;
}

}  // namespace

int EffectiveJobs(int requested) {
    if (requested > 0) return requested;
    unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min(cores, 64u));
}

MapPreparationSummary PrepareMap(MapInputs& inputs, MapProgress& progress, const MapPreparationOptions& options) {
    // Reset the bar, read and validate the map path and folder.
    progress.SetPosition(0);
    progress.SetMax(0);
    const std::string mapPath = inputs.MapImagePath();
    const std::string folder = inputs.OutputFolder();
    if (folder.empty() || !IsExistingMapFile(mapPath)) return {};

    // The description file, its folder locked against a second run for the whole run (the temporary
    // files of a killed run removed), and its title line.
    DescriptionWriter description(options.CodePage != 0 ? options.CodePage : DefaultAnsiCodePage());
    description.Open(JoinPath(folder, DescriptionWriter::kFileName));
    const OutputFolder& output = description.Folder();
    description.WriteTitleLine(inputs.MapTitle());

    // The header, read by the source that will decode the rows (its kind chosen by content); then
    // the pipeline that fits the memory budget, or the message when none does.
    const std::unique_ptr<MapSource> source = OpenMapSource(mapPath, options.Source);
    const PyramidGeometry geometry = PyramidFor(source->Width(), source->Height());
    const int jobs = EffectiveJobs(options.Jobs);
    // A drawing is drawn afresh at every level: always in bands, whatever pipeline was asked for.
    const MemoryPlan plan =
        source->DrawsLevels()
            ? ChooseDrawingPlan(geometry, jobs, source->DecodingMemoryBytes(), options.MemoryLimitBytes,
                                AvailableMemoryBytes())
            : ChooseMemoryPlan(geometry, jobs, source->DecodingMemoryBytes(), options.MemoryLimitBytes,
                               AvailableMemoryBytes(), options.Pipeline, options.Source.Shrink);

    // The tiles, with the zoom and size lines of info.js.
    MapRun run{inputs, progress, description, *source, geometry, output, jobs, plan.BandBuffers, options.Source.Shrink};
    if (source->DrawsLevels()) {
        RunDrawnLevels(run);
    } else if (plan.Pipeline == MapPipeline::Streaming) {
        RunStreaming(run);
    } else {
        RunInMemory(run);
    }

    // Close info.js, copy the background picture, beep, reset the position.
    description.Close();
    const std::string blankImage = inputs.BlankImagePath();
    // A missing or unreadable picture is skipped; a copy that cannot be written fails the run.
    if (!blankImage.empty()) output.CopyFile(blankImage, kBlankImageName);
    progress.Beep();
    progress.SetPosition(0);
    return {MapPreparationResult::Completed, geometry.MapWidth, geometry.MapHeight, geometry.TotalTiles(),
            kTopZoom - geometry.CoarsestLevel, kTopZoom, plan.Pipeline, source->Description()};
}
