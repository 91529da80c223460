// The skin tool's --internal source: the package the program carries inside itself.
#include "InternalSource.h"

#include "core/Exception.h"
#include "skin/resources/InternalSkins.h"

SkinModel LoadInternalSkin(const SkinLoadSettings& settings, std::unique_ptr<TsSkinPackReader>* packageInfo) {
    const auto bytes = InternalSkinPackage(kGlimmerSkinName);
    if (bytes.empty()) throw Exception("The program carries no internal skin");
    if (packageInfo != nullptr) {
        *packageInfo = std::make_unique<TsSkinPackReader>();
        (*packageInfo)->BorrowPackage(bytes);
        TsSkinPackReader::Unpack(*packageInfo);
    }
    SkinModel model;
    model.LoadFromPackage(bytes, "", settings);  // an internal skin has no folder of its own
    return model;
}
