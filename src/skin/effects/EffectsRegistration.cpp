// What the effects do for the binding and the skin manager; freeing them at quit.
#include "EffectsRegistration.h"

#include <QWidget>

#include "skin/effects/GlowEffect.h"
#include "skin/effects/GlowRule.h"
#include "skin/effects/HideAnimation.h"
#include "skin/effects/LayeredWindow.h"

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

TsEffectHooks GlowHooks() { return {&UpdateGlow, &RemoveGlow}; }

TsSkinManager::EffectsHooks ManagerEffectsHooks() { return {&RunSkinChangingAnimation, &RemoveAllGlows}; }
