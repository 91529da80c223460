// Where the skin tests take the internal skin from: the package embedded in the program.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "skin/model/SkinModel.h"
#include "skin/model/SkinOptions.h"
#include "skin/model/SkinPackReader.h"

/// The embedded package of "Glimmer (internal)".
std::span<const uint8_t> GlimmerPackageBytes();
/// The package unpacked.
std::unique_ptr<TsSkinPackReader> UnpackGlimmer();
/// Its options text.
SkinOptions GlimmerOptions();
/// The model loaded from the package with the given hue offset, as the program loads it.
SkinModel LoadGlimmerModel(int hueOffset);
/// The skin's source folder in the repository, from which the build packs it.
std::string GlimmerFolder();
