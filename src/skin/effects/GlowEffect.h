// Glows: a soft halo around a hovered control, shown in a layered window of its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "core/Bitmap32.h"
#include "core/Rect.h"
#include "skin/effects/LayeredWindow.h"

class QWidget;
class TsSkinManager;
struct TsMaskData;

/// The widths of a glow picture's frame: each the mask's own border width when above 0, else its
/// CommonBorderWidth when above 0, else its state cell's width (or height).
struct GlowBorders {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};
GlowBorders GlowBordersOf(const TsMaskData& mask);

/// Where a glow goes: the whole picture's size, the part of it that is shown, and the window's
/// place on the screen.
struct GlowPlacement {
    int FullWidth = 0;
    int FullHeight = 0;
    TRect Shown;   // within the whole picture
    TRect Window;  // screen coordinates
};
/// The glow of a control at controlScreenRect whose visible part is visibleRect (control
/// coordinates): the picture is the control grown by the borders less the margin on each side, cut
/// where the control is cut.
GlowPlacement PlaceGlow(TRect controlScreenRect, TRect visibleRect, const GlowBorders& borders, int margin);

/// One shown glow. Its handle is its index in the process-wide list, counted on from the lists
/// before the last RemoveAllGlows (a handle is never given twice).
class GlowEffect {
public:
    GlowEffect(TsSkinManager* skinManager, int maskIndex, int margin);
    virtual ~GlowEffect();
    GlowEffect(const GlowEffect&) = delete;
    GlowEffect& operator=(const GlowEffect&) = delete;

    /// The whole glow picture: transparent black with the mask's frame painted over it; the middle
    /// (inside the borders) stays transparent.
    virtual Bitmap32 PrepareBitmap(int width, int height) const;

    QPointer<TLayeredWindow> Wnd;
    QPointer<TsSkinManager> SkinManager;
    int MaskIndex = -1;
    int Margin = 0;
};

/// Shows the glow picture of the section's mask key + "0" around a control; returns its handle,
/// or -1 when layered windows are unavailable or the section has no such mask. The window is
/// placed just above the anchor window (on top of all when the anchor is topmost) and is not
/// activated. alpha is the constant alpha of the whole picture.
int ShowGlow(TRect controlScreenRect, TRect visibleRect, const std::string& sectionName, TsSkinManager* skinManager,
             QWidget* anchorWindow, int alpha, int margin, const std::string& key);
/// Frees the glow; a handle outside the list or of a freed glow is ignored.
void RemoveGlow(int handle);
/// Frees every glow and empties the list.
void RemoveAllGlows();

/// The process-wide list (freed slots stay empty until all glows are removed).
const std::vector<std::unique_ptr<GlowEffect>>& Glows();
/// The glow's window, or null for a handle of no glow.
TLayeredWindow* GlowWindow(int handle);

/// Process-wide glow block: while set, no glow is shown by UpdateGlow.
bool GlowsBlocked();
void SetGlowsBlocked(bool blocked);
