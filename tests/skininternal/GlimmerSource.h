// Where the skin tests take the internal skin from: its source folder in the repository.
#pragma once

#include "skin/SkinModel.h"
#include "skin/SkinOptions.h"

/// The folder resources/skins/Glimmer of the source tree.
std::string GlimmerFolder();
/// Its options text.
SkinOptions GlimmerOptions();
/// The model loaded from the folder with the given hue offset.
SkinModel LoadGlimmerModel(int hueOffset);
