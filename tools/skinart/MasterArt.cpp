// The master bitmap of the Glimmer skin: every frame, glyph and texture strip the options cut out.
#include "MasterArt.h"

namespace skinart {

Bitmap32 DrawMaster() {
    Bitmap32 master(kMasterWidth, kMasterHeight, kKeyPixel);
    DrawMasterFrames(master);
    DrawMasterGlyphs(master);
    DrawCaptionButtons(master);
    return master;
}

}  // namespace skinart
