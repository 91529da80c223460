// quadrimo-cli --verify: the check of a finished folder, with progress and a summary.
#pragma once

#include <string>

#include "map/tiles/FolderCheck.h"

/// The summary: one line with the counts, then up to `shown` names of each kind of problem.
std::string VerifySummary(const std::string& folder, const FolderCheckReport& report, size_t shown = 5);

/// Checks the folder; returns the exit status: 0 complete, 1 incomplete or unreadable.
int RunVerify(const std::string& folder, bool quiet);
