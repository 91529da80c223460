// What the effects tests share; the effects' process-wide state as a leftover check.
#include "EffectsTestSupport.h"

#include "effects/GlowEffect.h"
#include "effects/HideAnimation.h"
#include "platform/DesktopEffects.h"
#include "platform/TestIsolation.h"
#include "skinresources/InternalSkins.h"

std::unique_ptr<TsSkinManager> MakeGlimmerManager() {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    manager->SetHueOffset(390);
    TsStoredSkin skin;
    skin.Name = QString::fromUtf8(kGlimmerSkinName.data(), static_cast<qsizetype>(kGlimmerSkinName.size()));
    const auto package = InternalSkinPackage(kGlimmerSkinName);
    skin.Data = QByteArray(reinterpret_cast<const char*>(package.data()), static_cast<qsizetype>(package.size()));
    manager->SetInternalSkins({skin});
    manager->SetSkinName(skin.Name);
    manager->Loaded();
    return manager;
}

LayeredWindowsOn::LayeredWindowsOn() { SetLayeredWindowsOverride(true); }
LayeredWindowsOn::~LayeredWindowsOn() { SetLayeredWindowsOverride(std::nullopt); }

namespace {

std::vector<std::string> LeftEffectsState() {
    std::vector<std::string> left;
    bool glows = false;
    for (const auto& glow : Glows()) glows |= glow != nullptr;
    if (glows) left.push_back("glows");
    RemoveAllGlows();
    if (GlowsBlocked()) left.push_back("the glow block");
    SetGlowsBlocked(false);
    if (HideAnimation() != nullptr && HideAnimation()->Animating()) left.push_back("a running hide animation");
    FreeHideAnimation();
    return left;
}

const bool kRegistered = [] {
    AddLeftoverCheck(LeftEffectsState);
    return true;
}();

}  // namespace
