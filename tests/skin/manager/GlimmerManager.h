// A skin manager holding the program's internal skin, for the tests of the layers above the manager.
#pragma once

#include <memory>

#include "skin/manager/sSkinManager.h"

/// A manager with the internal skin loaded, turned by the main window's hue offset unless told otherwise.
std::unique_ptr<TsSkinManager> MakeGlimmerManager(int hueOffset = 390);
