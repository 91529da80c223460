// Asking a parent what lies under a control, and a binding's answers to its children.
#pragma once

#include "core/Color.h"
#include "skin/paint/PaintTypes.h"

class QWidget;
class TsCommonData;

/// Asks parent for the background (the get-background command with the state in its argument).
/// Kind is reset and FillTarget set first. Unanswered with fillTarget: the parent paints itself
/// (without its children) into the request's TargetDC over Area, the request's OffsetX, OffsetY
/// being the asking control's place in the parent. Unanswered without it: Kind 1 and the parent's
/// background colour (its answer to the background-colour command, else its Color).
void QueryParentBackground(BackgroundRequest& request, QWidget* parent, bool fillTarget, int state = 0);

/// A bound control's answer to the get-background command for the state: its colour, its cache,
/// or its own parent's answer when it shows that parent through (Kind 2 offsets then grow by the
/// control's place).
void AnswerGetBackground(TsCommonData& data, BackgroundRequest& request, int state);

/// A bound control's answer to the background-colour command.
TColor BackgroundColorAnswer(const TsCommonData& data);
