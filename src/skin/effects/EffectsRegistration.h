// What the effects do for the layers below them (the binding and the skin manager), installed at start-up.
#pragma once

#include <QImage>

#include "skin/binding/sCommonData.h"
#include "skin/manager/sSkinManager.h"

class QWidget;

/// The glows as the binding starts and ends them.
TsEffectHooks GlowHooks();
/// The skin-changing animation and the removal of every glow, as the skin manager asks for them.
TsSkinManager::EffectsHooks ManagerEffectsHooks();

/// The skin-changing animation: a layered window over the form shows its old look and fades away
/// (atAero also shrinks it) on the hide animation's timer.
void RunSkinChangingAnimation(QWidget* form, const QImage& oldLook, int time, TsAnimType mode, int alpha);

/// Frees the glows and the hide animation's timer (at quit; tests call it too).
void FreeEffects();
