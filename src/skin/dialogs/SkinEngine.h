// The skin engine's start-up: every call of a lower layer up into a higher one, installed at once.
#pragma once

#include "platform/Dialogs.h"
#include "platform/UpwardHooks.h"
#include "skin/binding/sCommonData.h"
#include "skin/controls/ColorDialogLink.h"
#include "skin/manager/sSkinManager.h"

/// Installs the glows and the skin-changing animation, the frames' window hook, the folder dialog
/// and the colour dialog link, and frees the effects when the application quits. Call once at
/// start-up, before the first form with a skin manager is made; calling again changes nothing.
void InstallSkinEngine();

/// For tests: the whole engine installed for the guard's life, every hook before it put back at its end.
class TScopedSkinEngine {
public:
    TScopedSkinEngine();

private:
    TScopedHooks<TsEffectHooks> Glows_;
    TScopedHooks<TsSkinManager::EffectsHooks> ManagerEffects_;
    TScopedHooks<TsSkinManager::WindowHookHandlers> WindowHook_;
    TScopedHooks<TFolderDialogHooks> FolderDialog_;
    TScopedHooks<TColorDialogLink> ColorDialog_;
};
