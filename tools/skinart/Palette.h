// The colours of the Glimmer artwork: light, glassy, blue-tinted. Hues sit near 195 degrees, with the
// skin's own colours, so that the start-up turn of 30 degrees makes them all a clear sky blue.
#pragma once

#include <QColor>

namespace skinart::palette {

inline const QColor kFace(205, 241, 247);        // the skin's base colour, under most pieces
inline const QColor kWindow(240, 255, 255);      // edit and list background
inline const QColor kOutline(112, 164, 180);     // frames in the normal state
inline const QColor kOutlineSoft(152, 196, 210); // panels, group boxes, tracks
inline const QColor kOutlineHot(40, 164, 206);   // frames under the mouse
inline const QColor kOutlineDown(30, 124, 160);  // pressed frames
inline const QColor kFrame(88, 146, 170);        // window frame line
inline const QColor kGlyph(28, 66, 84);          // dark glyphs (arrows, caption-button signs)
inline const QColor kGlyphHot(16, 108, 148);
inline const QColor kCheck(22, 92, 128);         // check marks and radio dots

}  // namespace skinart::palette
