// Hooking the effects into the layers below them (the binding and the skin manager) at start-up.
#pragma once

#include <QImage>

#include "skin/manager/sStoredSkins.h"

class QWidget;

/// Registers the glows and the skin-changing animation with the binding and the skin manager, and
/// frees the effects' process-wide objects when the application quits. Call once at start-up,
/// before the first skin is applied; calling again changes nothing.
void InstallEffects();

/// The skin-changing animation: a layered window over the form shows its old look and fades away
/// (atAero also shrinks it) on the hide animation's timer.
void RunSkinChangingAnimation(QWidget* form, const QImage& oldLook, int time, TsAnimType mode, int alpha);

/// Frees the glows and the hide animation's timer (at quit; tests call it too).
void FreeEffects();
