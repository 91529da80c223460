// Painting a skin section's background in a state: colour, gradient, pattern and the parent.
#pragma once

#include <string>

#include "PaintTypes.h"
#include "core/Bitmap32.h"
#include "skin/model/SkinModel.h"

/// What painting reads of a control's skin binding: the section and its resolved indexes (-1
/// none), the custom colour, the control's own hue and saturation, and the skin.
struct SectionBinding {
    int SectionIndex = -1;
    std::string SectionName;
    int BorderMaskIndex = -1;
    int PatternIndex = -1;
    int HotPatternIndex = -1;
    bool CustomColor = false;
    TColor OwnerColor = clWhite;  // the owner control's Color, used with CustomColor
    int HueOffset = 0;
    int Saturation = 0;
    const SkinModel* Model = nullptr;
};

/// The binding of a section as a skin change resolves it: section index, its border mask and the
/// textures of "PATTERN" and "HOTPATTERN".
SectionBinding BindSection(const SkinModel& model, const std::string& sectionName);

/// Paints the section's background over rect of target in the state (clamped to the section's
/// States - 1). customColor 0xFF00FF means none; otherwise it replaces the section's colour with no
/// transparency, pattern or gradient. offset is the control's place in its parent (added to the
/// background's offsets). A missing model (the caller passes the default skin's), an invalid
/// section index or an empty rectangle paint nothing.
void PaintSectionByIndex(int sectionIndex, const std::string& sectionName, const BackgroundInfo& parentBg,
                         TColor customColor, int hotPatternIndex, int patternIndex, const SkinModel* model,
                         Bitmap32& target, TPoint offset, TRect rect, int state);

/// PaintSectionByIndex for a binding: its custom colour is the owner's colour when CustomColor is set.
void PaintSection(const SectionBinding& binding, const BackgroundInfo& parentBg, int state, Bitmap32& target,
                  TPoint offset, TRect rect);
