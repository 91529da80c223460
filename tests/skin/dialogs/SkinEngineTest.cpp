// The skin engine's installation: the tests' guard installs every upward call and puts the ones before back.
#include <gtest/gtest.h>

#include "skin/dialogs/SkinEngine.h"

namespace {
bool NoFolder(QWidget*, const TFolderDialogRequest&, QString&) { return false; }
void NoHook() {}
}  // namespace

TEST(SkinEngine, GuardInstallsEveryHookAndRestoresTheOnesBefore) {
    const TScopedHooks<TFolderDialogHooks> folder({&NoFolder});
    const TScopedHooks<TsSkinManager::WindowHookHandlers> window({&NoHook, &NoHook});
    const TsEffectHooks glowsBefore = InstalledHooks<TsEffectHooks>();
    const TsSkinManager::EffectsHooks effectsBefore = InstalledHooks<TsSkinManager::EffectsHooks>();
    const TColorDialogLink colorBefore = InstalledHooks<TColorDialogLink>();
    {
        const TScopedSkinEngine engine;
        EXPECT_NE(InstalledHooks<TsEffectHooks>().UpdateGlow, nullptr);
        EXPECT_NE(InstalledHooks<TsEffectHooks>().RemoveGlow, nullptr);
        EXPECT_NE(InstalledHooks<TsSkinManager::EffectsHooks>().SkinChangingAnimation, nullptr);
        EXPECT_NE(InstalledHooks<TsSkinManager::EffectsHooks>().StopGlows, nullptr);
        EXPECT_NE(InstalledHooks<TsSkinManager::WindowHookHandlers>().Install, &NoHook);
        EXPECT_NE(InstalledHooks<TFolderDialogHooks>().Run, &NoFolder);
        EXPECT_NE(InstalledHooks<TColorDialogLink>().Run, nullptr);
        EXPECT_NE(InstalledHooks<TColorDialogLink>().CustomColors, nullptr);
    }
    EXPECT_EQ(InstalledHooks<TsEffectHooks>().UpdateGlow, glowsBefore.UpdateGlow);
    EXPECT_EQ(InstalledHooks<TsSkinManager::EffectsHooks>().StopGlows, effectsBefore.StopGlows);
    EXPECT_EQ(InstalledHooks<TsSkinManager::WindowHookHandlers>().Install, &NoHook);
    EXPECT_EQ(InstalledHooks<TsSkinManager::WindowHookHandlers>().Remove, &NoHook);
    EXPECT_EQ(InstalledHooks<TFolderDialogHooks>().Run, &NoFolder);
    EXPECT_EQ(InstalledHooks<TColorDialogLink>().Run, colorBefore.Run);
}
