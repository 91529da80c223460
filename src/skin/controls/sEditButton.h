// TsEditButton: the small flat button at the right end of an edit, its glyph from a strip of cells.
#pragma once

#include <vector>

#include <QImage>
#include <QPointer>
#include <QObject>

#include "sSpeedButton.h"

/// Pictures of one size for a button's glyph; a picture may hold several square cells side by side.
class TsGlyphImages : public QObject {
    Q_OBJECT
public:
    TsGlyphImages(int width, int height, QObject* parent = nullptr);

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    int Count() const { return static_cast<int>(Images_.size()); }
    /// Added pictures are scaled to the list's size when they differ.
    void Add(const QImage& image);
    /// The picture at the index; a null image out of range.
    QImage Image(int index) const;

private:
    int Width_;
    int Height_;
    std::vector<QImage> Images_;
};

/// Where the button's glyph comes from and how it is blended. A change of the images or of an index
/// re-lays the button out; when the images are destroyed, Images becomes null.
class TsGlyphMode : public QObject {
    Q_OBJECT
public:
    explicit TsGlyphMode(QObject* parent = nullptr) : QObject(parent) {}

    TsGlyphImages* Images() const { return Images_; }
    void SetImages(TsGlyphImages* images);
    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int value);
    int ImageIndexHot() const { return ImageIndexHot_; }
    void SetImageIndexHot(int value);
    int ImageIndexPressed() const { return ImageIndexPressed_; }
    void SetImageIndexPressed(int value);
    /// Percent of the glyph's opacity taken away.
    int Blend() const { return Blend_; }
    void SetBlend(int value);
    /// A grey glyph until the mouse is over the button.
    bool Grayed() const { return Grayed_; }
    void SetGrayed(bool value);
    /// The button's tooltip.
    QString Hint() const { return Hint_; }

signals:
    /// The source of the glyph changed: the button's width may change.
    void LayoutChanged();
    /// Only the look of the glyph changed.
    void LookChanged();

private:
    QPointer<TsGlyphImages> Images_;
    int ImageIndex_ = -1;
    int ImageIndexHot_ = -1;
    int ImageIndexPressed_ = -1;
    int Blend_ = 0;
    bool Grayed_ = false;
    QString Hint_;
};

/// The glyph's source picture and cell for a state (0 normal, 1 hot, 2 pressed): with images and a
/// valid ImageIndex, the state's own index (ImageIndex where that is not valid) and its first cell;
/// otherwise the shared edit glyph strip defaultIndex and the state's cell. Null without a glyph.
struct TGlyphCell {
    QImage Strip;
    int Cell = 0;
    int CellWidth = 0;
    QImage Picture() const;
};
TGlyphCell GlyphCellFor(const TsGlyphMode& mode, int defaultIndex, int state);
/// Width of one cell of the glyph source: the images' (with a valid ImageIndex) or the shared strips'
/// width divided by the cell count (width / height when that divides, else 1).
int GlyphCellWidth(const TsGlyphMode& mode);

/// The edit's button: a speed button of section "SPEEDBUTTON_SMALL" with the arrow cursor, showing
/// the glyph's cell of its state from the edit's glyph mode, blended and greyed as the mode says.
class TsEditButton : public TsSpeedButton {
    Q_OBJECT
public:
    TsEditButton(QWidget* edit, const TsGlyphMode& mode, int defaultGlyphIndex);

    /// Cells in the glyph's strip, set by the edit's layout.
    int NumGlyphs = 1;
    int DefaultGlyphIndex() const { return DefaultGlyphIndex_; }

protected:
    QImage GlyphFor(int state) const override;
    void DrawGlyph(QPainter& painter, int state) const override;

private:
    const TsGlyphMode& Mode_;
    int DefaultGlyphIndex_;
};
