// The edit buttons' glyph strips: five 48 x 16 pictures of three cells (normal, hot, pressed).
#pragma once

#include "core/Bitmap32.h"

namespace skinart {

enum class EditGlyph { File, Folder, Date, Ellipsis, Calculator };

/// The strip of the glyph, 48 x 16 with straight alpha.
Bitmap32 DrawEditGlyph(EditGlyph glyph);

/// The strips' file names, in EditGlyph order: "SF", "SR", "SD", "SE", "SC".
const char* EditGlyphName(EditGlyph glyph);

}  // namespace skinart
