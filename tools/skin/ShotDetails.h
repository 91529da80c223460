// The geometry file's details beyond a control's place: texts, list items, tree nodes and the colour markers.
#pragma once

#include <QPoint>

#include "Json.h"

class QWidget;
class TForm;

/// Adds to a control's object: "text" for an edit (its text as shown); for a colour box "items",
/// each {"caption", "color" (0x00BBGGRR as a number), "selected"}, and "selected" (its Selected colour);
/// for a folder tree "nodes", the nodes not hidden in a collapsed parent, in the tree's order, each
/// {"caption", "depth" (0 for the top), "expanded", "selected"}.
void AddControlDetails(Json& object, const QWidget& control);

/// Adds to the window's object, for the colour dialog: "fieldMarker" {"x", "y"} (the hue and
/// saturation field's marker centre) and "barMarker" {"row", "x", "y"} (the value bar's row and the
/// tip of its triangle), in the picture's coordinates; nothing for other windows.
void AddFormDetails(Json& object, const TForm& form, const QWidget& picture);
