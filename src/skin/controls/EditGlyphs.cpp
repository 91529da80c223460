// The glyph strips read from the embedded resources.
#include "EditGlyphs.h"

TEditGlyphList::TEditGlyphList() {
    for (const char* name : {"SF", "SR", "SD", "SE", "SC"}) {
        QImage image(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(name)));
        Images_.push_back(image.convertToFormat(QImage::Format_ARGB32));
    }
}

QImage TEditGlyphList::Image(int index) const {
    if (index < 0 || index >= Count()) return {};
    return Images_[static_cast<size_t>(index)];
}

const TEditGlyphList& EditGlyphs() {
    static const TEditGlyphList glyphs;
    return glyphs;
}
