// The shot command's window frame: the pointer on a caption button and the frame's geometry.
#pragma once

#include <string>

#include "Json.h"
#include "ShotForms.h"
#include "ShotOptions.h"

class TsSkinProvider;

/// The provider that draws the window's frame; throws ShotError (kShotExitFailed) when the window
/// has none (the skin lacks the frame's section).
TsSkinProvider& ShotProvider(const ShotWindow& window);

/// Moves the pointer onto the asked caption button's centre (--hover-frame) and presses the left
/// button there without release (--press-frame). Throws ShotError (kShotExitNoControl) for a button
/// the window does not show.
void ApplyFrameStates(const ShotWindow& window, const ShotRequest& request);

/// The frame: "drawn", "B", "C", "icon" ([x, y, width, height] or null), "buttonGroupWidth",
/// "buttons" (each visible caption button: "name", "x", "y", "width", "height", "hitCode",
/// "picture", "state", "enabled"), "caption" ("text", "before" and "after": the text rectangle
/// before and after vertical centring as [x, y, width, height]).
Json ShotFrameJson(const ShotWindow& window);
