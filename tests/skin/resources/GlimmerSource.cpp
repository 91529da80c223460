// Where the skin tests take the internal skin from: the package embedded in the program.
#include "GlimmerSource.h"

#include <stdexcept>

#include "core/CodePage.h"
#include "skin/resources/InternalSkins.h"

std::span<const uint8_t> GlimmerPackageBytes() { return InternalSkinPackage(kGlimmerSkinName); }

std::unique_ptr<TsSkinPackReader> UnpackGlimmer() {
    auto reader = std::make_unique<TsSkinPackReader>();
    reader->BorrowPackage(GlimmerPackageBytes());
    TsSkinPackReader::Unpack(reader);
    return reader;
}

SkinOptions GlimmerOptions() {
    auto reader = UnpackGlimmer();
    if (!reader->OptionsText) throw std::runtime_error("the embedded package holds no options");
    return SkinOptions::FromBytes(*reader->OptionsText, DefaultAnsiCodePage());
}

SkinModel LoadGlimmerModel(int hueOffset) {
    SkinLoadSettings settings;
    settings.HueOffset = hueOffset;
    SkinModel model;
    model.LoadFromPackage(GlimmerPackageBytes(), "", settings);
    return model;
}

std::string GlimmerFolder() { return std::string(QUADRIMO_SOURCE_DIR) + "/resources/skins/Glimmer"; }
