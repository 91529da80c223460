// What a skinned control tells its binding and the common repaint path: its colours, its state rule
// and its face and content painters.
#pragma once

#include "core/Bitmap32.h"
#include "core/Color.h"
#include "skin/paint/PaintTypes.h"
#include "skin/paint/PixelBlends.h"

class QPainter;
class TsCommonData;

/// Implemented by every control that owns a binding (multiple inheritance beside its Qt widget
/// class). The defaults read the widget's palette and paint the section's face, so a control only
/// overrides what it does differently.
class TsSkinnedControl {
public:
    virtual ~TsSkinnedControl() = default;

    /// The control's binding (its SkinData).
    virtual TsCommonData& SkinBinding() = 0;
    const TsCommonData& SkinBinding() const { return const_cast<TsSkinnedControl*>(this)->SkinBinding(); }

    // --- Colours ----------------------------------------------------------------------------------
    /// The control's Color: what CustomColor paints and what an unskinned control answers its
    /// children. Default: the palette's background colour of the owner widget.
    virtual TColor OwnerColor() const;
    /// Sets the control's Color (edit-like controls take the section's colour). Default: nothing.
    virtual void SetOwnerColor(TColor color);
    /// The control's font colour. Default: the palette's window-text colour of the owner widget.
    virtual TColor OwnerFontColor() const;
    /// Sets the font colour. Default: nothing.
    virtual void SetOwnerFontColor(TColor color);

    // --- The common repaint path ------------------------------------------------------------------
    /// The state the cache is painted in: 0 normal, 1 hot, 2 pressed. Default: 1 when IsHot.
    virtual int PaintState();
    /// Paints the face into the cache (the whole control): default PaintControlFace over bg.
    virtual void PaintFace(Bitmap32& cache, const BackgroundInfo& bg, int state);
    /// Paints the content (text, glyphs) over the face; painter draws into the cache with the
    /// control's font. Default: nothing.
    virtual void PaintContent(Bitmap32& cache, QPainter& painter, int state);
    /// The disabled look laid over a disabled control's cache. Default [dkBlended].
    virtual TsDisabledKind DisabledKind() const { return dkBlended; }
    /// True for controls that rebuild whenever they paint (the button, the bevel, the progress
    /// bar): the path leaves CacheInvalid set after a rebuild.
    virtual bool KeepsCacheInvalid() const { return false; }
};
