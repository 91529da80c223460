// The pictures and margins of the shadow border that extended borders draw around a form.
#pragma once

#include "core/Bitmap32.h"
#include "skin/model/SkinModel.h"

/// How far the shadow picture reaches beyond the form on each side.
struct ShadowMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const ShadowMargins&) const = default;
};

struct ShadowTemplates {
    Bitmap32 Inactive;
    Bitmap32 Active;
    ShadowMargins Margins;
};

/// The skin's extended-border picture when it has one (first state inactive, second active), else
/// the program's built-in shadows; white pixels with alpha 0 come out as transparent black. With
/// the desktop composition on, the built-in margins are one pixel wider.
ShadowTemplates MakeShadowTemplates(const SkinModel& model, bool compositionOn);

/// The program's own shadow for skins without an extended-border picture: a soft dark halo around
/// the form's place (left 11, top 7, right 11, bottom 11 pixels), stronger for the active form.
/// The form's place and the far corners are white with alpha 0, as in a painted picture.
Bitmap32 BuiltInShadowTemplate(bool active);

/// One state image of a mask (its state cell); empty when the cell is.
Bitmap32 MaskStateImage(const TsMaskData& mask, const Bitmap32& masterBitmap, int state);
