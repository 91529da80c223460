// Skinned text: the section's font colours, contour copies and glow, drawn with Qt's text layout.
#pragma once

#include <QFont>
#include <QString>

#include "core/Bitmap32.h"
#include "core/Color.h"
#include "core/Rect.h"

class TsCommonData;

/// What the text is drawn on: a bitmap with the canvas's font and its font colour (the colour an
/// unskinned control or one with CustomFont draws in).
struct TsTextCanvas {
    Bitmap32* Bitmap = nullptr;
    QFont Font;
    TColor FontColor = clWindowText;
};

/// Draws text into rect of the canvas, clipped to rect; format holds Qt's alignment and text flags.
/// Nothing for an empty text. A hot "WEBBUTTON" text is underlined. Unskinned or with CustomFont: the
/// canvas's colour. Otherwise the colours of the control's section (or the section an ancestor lends
/// a transparent check box, radio button, group box or windowless control that takes its parent's
/// font), the hot set when hot: the glow first (into the control's cache), then, disabled, once in
/// 40 % of the font colour over the skin's background colour; enabled, the contour copies shifted
/// left, up, right and down, then the text in the font colour. Colours go through the binding's hue
/// offset and saturation.
void DrawSkinText(TsTextCanvas& canvas, const QString& text, bool enabled, bool hot, const TsCommonData& data,
                  int format, TRect rect);

/// DrawSkinText in the colours of another section of the control's skin (a list row in the "EDIT"
/// or "SELECTION" colours); its glow goes into the canvas's bitmap. An invalid index draws in the
/// canvas's colour, as for an unskinned control.
void DrawSectionText(TsTextCanvas& canvas, const QString& text, bool enabled, bool hot, const TsCommonData& data,
                     int sectionIndex, int format, TRect rect);

/// The section whose font colours a control's text uses (index into the skin's sections, -1 none).
int TextSectionIndex(const TsCommonData& data, bool hot);
