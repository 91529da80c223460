// Where the skin tests take the internal skin from: its source folder in the repository.
#include "GlimmerSource.h"

#include "core/CodePage.h"
#include "core/FileStreams.h"

std::string GlimmerFolder() { return std::string(QUADRIMO_SOURCE_DIR) + "/resources/skins/Glimmer"; }

SkinOptions GlimmerOptions() {
    return SkinOptions::FromBytes(ReadWholeFile(GlimmerFolder() + "/Options.dat"), DefaultAnsiCodePage());
}

SkinModel LoadGlimmerModel(int hueOffset) {
    SkinLoadSettings settings;
    settings.HueOffset = hueOffset;
    SkinModel model;
    model.LoadFromFolder(GlimmerFolder(), settings);
    return model;
}
