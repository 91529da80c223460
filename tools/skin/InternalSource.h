// The skin tool's --internal source: the package the program carries inside itself.
#pragma once

#include <memory>

#include "skin/model/SkinModel.h"

/// The model of the internal skin as the program loads it; with packageInfo, also the unpacked
/// package (for the dump's entry list).
SkinModel LoadInternalSkin(const SkinLoadSettings& settings, std::unique_ptr<TsSkinPackReader>* packageInfo);
