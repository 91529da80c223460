// EditGlyphs: the edit buttons' glyph strips, one image list for the whole process.
#pragma once

#include <vector>

#include <QImage>

/// Five 48 x 16 strips (file, folder, date, ellipsis, calculator), each of three 16 x 16 cells:
/// normal, hot, pressed.
class TEditGlyphList {
public:
    TEditGlyphList();

    int Width() const { return 48; }
    int Height() const { return 16; }
    int Count() const { return static_cast<int>(Images_.size()); }
    /// The strip at the index; a null image out of range.
    QImage Image(int index) const;
    /// Cells in a strip: its width over its height when that divides, else 1.
    int CellCount() const { return Width() % Height() == 0 ? Width() / Height() : 1; }

private:
    std::vector<QImage> Images_;
};

/// Created on first use from the program's embedded pictures; lives until the process ends.
const TEditGlyphList& EditGlyphs();
