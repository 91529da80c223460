// The skins built into the program: packages embedded at build time, reached by name.
#include "InternalSkins.h"

#include "GlimmerPackage.h"

namespace {

struct StoredSkin {
    std::string_view Name;
    std::span<const uint8_t> Package;
};

std::span<const StoredSkin> StoredSkins() {
    static const StoredSkin kSkins[] = {{kGlimmerSkinName, GlimmerPackage()}};
    return kSkins;
}

}  // namespace

std::span<const uint8_t> InternalSkinPackage(std::string_view name) {
    for (const auto& skin : StoredSkins()) {
        if (skin.Name == name) return skin.Package;
    }
    return {};
}

std::vector<std::string> InternalSkinNames() {
    std::vector<std::string> names;
    for (const auto& skin : StoredSkins()) names.emplace_back(skin.Name);
    return names;
}
