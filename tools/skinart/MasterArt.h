// The master bitmap of the Glimmer skin: every frame, glyph and texture strip the options cut out.
#pragma once

#include "core/Bitmap32.h"

namespace skinart {

constexpr int kMasterWidth = 528;
constexpr int kMasterHeight = 128;

/// The whole master bitmap; areas no piece uses are the key colour.
Bitmap32 DrawMaster();

/// Frames: buttons, edits, gauge, progress fill, window and title frames, panels, tabs.
void DrawMasterFrames(Bitmap32& master);
/// Check boxes, radio buttons, arrows, grip, check mark and the texture strips.
void DrawMasterGlyphs(Bitmap32& master);
/// The five title-button strips (three states each).
void DrawCaptionButtons(Bitmap32& master);

}  // namespace skinart
