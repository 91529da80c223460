// Hooking the effects into the binding and the skin manager; freeing them at quit.
#include "EffectsRegistration.h"

#include <QCoreApplication>
#include <QWidget>

#include "skin/binding/sCommonData.h"
#include "skin/effects/GlowEffect.h"
#include "skin/effects/GlowRule.h"
#include "skin/effects/HideAnimation.h"
#include "skin/effects/LayeredWindow.h"
#include "skin/manager/sSkinManager.h"

void RunSkinChangingAnimation(QWidget* form, const QImage& oldLook, int time, TsAnimType mode, int alpha) {
    if (form == nullptr || oldLook.isNull()) return;
    auto* cover = new TLayeredWindow();
    cover->setObjectName(QStringLiteral("SkinChangingCover"));
    cover->setGeometry(QRect(form->mapToGlobal(QPoint(0, 0)), oldLook.size()));
    StartHideAnimation(cover, BitmapFromImage(oldLook), time, mode == atAero ? watZoom : watFading, alpha);
}

void FreeEffects() {
    RemoveAllGlows();
    FreeHideAnimation();
}

void InstallEffects() {
    TsEffectHooks binding;
    binding.UpdateGlow = &UpdateGlow;
    binding.RemoveGlow = &RemoveGlow;
    binding.RemoveAllGlows = &RemoveAllGlows;
    RegisterEffectHooks(binding);  // the manager's glow stop comes with it
    TsSkinManager::EffectsHooks manager;
    manager.SkinChangingAnimation = &RunSkinChangingAnimation;
    TsSkinManager::SetEffectsHooks(manager);
    static bool freeAtQuit = false;
    if (!freeAtQuit && QCoreApplication::instance() != nullptr) {
        freeAtQuit = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &FreeEffects);
    }
}
