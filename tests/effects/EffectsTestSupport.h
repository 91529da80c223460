// What the effects tests share: a manager with the program's skin, and the layer's leftover check.
#pragma once

#include <memory>

#include "skinmanager/sSkinManager.h"

/// A manager holding the internal skin, loaded as the main window's form data has it (hue 390).
std::unique_ptr<TsSkinManager> MakeGlimmerManager();

/// While alive, layered windows count as available (the offscreen platform has none).
class LayeredWindowsOn {
public:
    LayeredWindowsOn();
    ~LayeredWindowsOn();
};
