// A shot with a list dropped down: opening the list and laying its window over the picture.
#pragma once

#include <string>

#include "ShotForms.h"
#include "core/Bitmap32.h"

class QWidget;

/// Drops the named drop-down list down as a click on its button does, once the window shows.
/// Returns the list's window. Throws ShotError (kShotExitNoControl) for a control without a list.
QWidget* DropShotList(const ShotWindow& window, const std::string& name);

/// Lays the list window's pixels over the picture where the list shows on the screen, clipped to
/// the picture.
void OverlayDropDown(Bitmap32& bitmap, const QWidget& picture, QWidget& list);
