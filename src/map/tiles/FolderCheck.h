// Check of a finished output folder: every tile that info.js implies is there and is a sound
// 256 x 256 baseline JPEG, no other tile lies beside them, and no temporary file of a killed run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DescriptionReader.h"
#include "MapPreparation.h"

struct TileProblem {
    std::string Name;
    std::string Reason;
};

struct FolderCheckReport {
    MapDescription Description;
    int64_t Checked = 0;               // tiles the description implies
    std::vector<std::string> Missing;  // in pyramid order
    std::vector<TileProblem> Corrupt;  // in pyramid order
    std::vector<std::string> Extra;    // ZOOM_X_Y.jpg files outside the pyramid, sorted by name
    std::vector<std::string> Temporary;  // temporary files a killed run left, sorted by name

    bool Complete() const { return Missing.empty() && Corrupt.empty() && Extra.empty() && Temporary.empty(); }
};

/// Checks the folder. The progress maximum is the number of tiles, the position the tiles checked.
/// Throws Exception when info.js cannot be read or is damaged: "PATH: WHAT IS WRONG".
FolderCheckReport CheckOutputFolder(const std::string& folder, MapProgress& progress);

/// What is wrong with the bytes of one tile file, or an empty text when nothing is.
std::string TileFault(const std::vector<uint8_t>& bytes);
