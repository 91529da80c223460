// The shot command's geometry file: where the window's controls are in the picture.
#pragma once

#include <string>

#include "Json.h"
#include "ShotForms.h"

class QWidget;

/// One flat object:
///   "form": the --form name, "class": the window's class name, "skin": the manager's skin name,
///   "width", "height": the picture's size, "active": the window is the active one,
///   "focus": the name of the control with the keyboard focus ("" for none),
///   "region": the window's region as [x, y, width, height] rectangles (only where it has one),
///   "frame": the skinned frame (ShotFrameJson),
///   "controls": for every control of ShotControls, in creation order: "name", "class",
///     "x", "y", "width", "height" in the picture's coordinates, "visible", "enabled",
///     and "region" (picture coordinates) where the control has a window region.
Json ShotGeometryJson(const ShotWindow& window, const std::string& formName, const QWidget& picture);
