// The shot command's control states: what a user's actions would have set on the window's controls.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ShotForms.h"
#include "ShotOptions.h"

class QWidget;
class QWindow;

/// The window's controls in creation order: the named widgets of its client area. An unnamed widget
/// is a container whose named children count; a control's own named parts do not.
std::vector<QWidget*> ShotControls(const ShotWindow& window);

/// The control of that name; throws ShotError (kShotExitNoControl) listing the window's controls.
QWidget* FindShotControl(const ShotWindow& window, const std::string& name);

/// Sets what needs no shown window, by the controls' own properties: texts (an edit's Text), the
/// progress bar's maximum and position, disabled controls, buttons held Down.
void ApplyControlStates(const ShotWindow& window, const ShotRequest& request);

/// Moves the pointer off the window before it shows (to the screen's bottom-right corner, which the
/// program's small windows never cover), so that only an asked hover puts it over a control.
void ParkPointer();

/// What keeps a window inactive while the shot is taken; released with it.
using ShotFocusSink = std::unique_ptr<QWindow>;

/// After the window shows: activation (or, with --inactive, another window taking it, as when the
/// user clicks elsewhere), the keyboard focus, then the mouse: the pointer moved onto the hovered or
/// pressed control's centre (the platform sends the enter and move events), and the left button
/// pressed there without release.
ShotFocusSink ApplyWindowStates(const ShotWindow& window, const ShotRequest& request);
