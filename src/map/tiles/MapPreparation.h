// The map preparation run: from the five inputs to info.js, the tile pyramid and blank_img.gif.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "MemoryBudget.h"
#include "core/Color.h"
#include "map/sources/MapSourceOptions.h"

/// The five inputs, read from their controls at the moments the run needs them.
class MapInputs {
public:
    virtual ~MapInputs() = default;
    virtual std::string MapImagePath() = 0;
    virtual std::string OutputFolder() = 0;
    virtual std::string MapTitle() = 0;  // UTF-8
    virtual TColor BackgroundColor() = 0;
    virtual std::string BlankImagePath() = 0;
};

/// What the run needs from its window: the progress bar, message pumping and the beep.
class MapProgress {
public:
    virtual ~MapProgress() = default;
    virtual void SetPosition(int position) = 0;
    virtual int Position() = 0;
    virtual void SetMax(int max) = 0;
    virtual int Max() = 0;
    /// Dispatches pending window messages, then returns.
    virtual void ProcessMessages() = 0;
    /// The system's default beep, sounded once the files are complete.
    virtual void Beep() = 0;
};

/// Fixed input values, for callers without controls.
struct FixedMapInputs : MapInputs {
    std::string Map, Folder, Title, BlankImage;
    TColor Background = clWhite;
    std::string MapImagePath() override { return Map; }
    std::string OutputFolder() override { return Folder; }
    std::string MapTitle() override { return Title; }
    TColor BackgroundColor() override { return Background; }
    std::string BlankImagePath() override { return BlankImage; }
};

/// Progress that shows nothing, for callers without a progress bar; the position is kept.
struct SilentProgress : MapProgress {
    int Position_ = 0, Max_ = 0;
    void SetPosition(int position) override { Position_ = position; }
    int Position() override { return Position_; }
    void SetMax(int max) override { Max_ = max; }
    int Max() override { return Max_; }
    void ProcessMessages() override {}
    void Beep() override {}
};

struct MapPreparationOptions {
    int CodePage = 0;  // 0: the system's ANSI code page
    int Jobs = 0;      // encoder threads; 0: one per core
    /// The most memory the run may use; unset: the smaller of 1 GiB and half of the available
    /// memory, to choose the pipeline (see ChooseMemoryPlan).
    std::optional<uint64_t> MemoryLimitBytes;
    MapPipelineChoice Pipeline = MapPipelineChoice::Automatic;
    /// How the map picture is read (page, scale) and its levels shrunk.
    MapSourceOptions Source;
};

enum class MapPreparationResult {
    NothingToDo,  // no map file or no folder: nothing written, no message
    Completed,    // every file written, beep sounded, progress position back at 0
};

struct MapPreparationSummary {
    MapPreparationResult Result = MapPreparationResult::NothingToDo;
    int MapWidth = 0;
    int MapHeight = 0;
    int64_t Tiles = 0;
    int MinZoom = 0;
    int MaxZoom = 0;
    MapPipeline Pipeline = MapPipeline::InMemory;
    /// The map source's own account of what it read ("JPEG", "PNG", "TIFF", "PDF page 1 at 300 dpi").
    std::string SourceDescription;
};

/// Runs the whole preparation. The in-memory pipeline runs when the map's canvas fits the memory
/// budget: files in the pyramid's order, progress exactly as the window's bar expects. Otherwise the
/// streaming pipeline: the same files with the same bytes, written band by band as rows are
/// decoded, info.js complete before the first tile, the progress maximum set to the total at once.
/// Failures propagate as exceptions carrying the user's message; what was written before the
/// failure stays, and no tile file is ever left half-written. The caller shows the completion box.
MapPreparationSummary PrepareMap(MapInputs& inputs, MapProgress& progress,
                                const MapPreparationOptions& options = {});

/// Worker threads to use for a requested count (0: the number of cores).
int EffectiveJobs(int requested);
