// The colours of the Glimmer artwork: light, glassy, blue-tinted (turned 30 degrees further at start-up).
#pragma once

#include <QColor>

namespace skinart::palette {

inline const QColor kFace(205, 241, 247);        // the skin's base colour, under most pieces
inline const QColor kWindow(240, 255, 255);      // edit and list background
inline const QColor kOutline(118, 160, 182);     // frames in the normal state
inline const QColor kOutlineSoft(156, 194, 210); // panels, group boxes, tracks
inline const QColor kOutlineHot(54, 152, 206);   // frames under the mouse
inline const QColor kOutlineDown(38, 112, 160);  // pressed frames
inline const QColor kFrame(92, 140, 168);        // window frame line
inline const QColor kGlyph(34, 62, 86);          // dark glyphs (arrows, caption-button signs)
inline const QColor kGlyphHot(20, 96, 150);
inline const QColor kCheck(26, 84, 128);         // check marks and radio dots

}  // namespace skinart::palette
