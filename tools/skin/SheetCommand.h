// The skin tool's contact sheet: every mask and every section of a skin in one PNG, for looking at.
#pragma once

#include <string>

#include "skin/model/SkinModel.h"

/// Renders the sheet: first every mask of the model, its states side by side (enlarged, over a
/// checkerboard so that transparent parts show), its section and key underneath; then every
/// section painted as a control face in each of its states. Writes it as a PNG. Throws Exception
/// when the file cannot be written.
void WriteContactSheet(const SkinModel& model, const std::string& outFile);
