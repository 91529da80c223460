// TsEditButton, its glyph settings and the choice of the glyph's cell.
#include "sEditButton.h"

#include <algorithm>

#include <QPainter>

#include "EditGlyphs.h"

namespace {
int CellCount(int width, int height) { return height > 0 && width % height == 0 ? width / height : 1; }

bool ValidIndex(const TsGlyphImages* images, int index) { return images != nullptr && index >= 0 && index < images->Count(); }
}  // namespace

// --- TsGlyphImages ----------------------------------------------------------------------------------

TsGlyphImages::TsGlyphImages(int width, int height, QObject* parent)
    : QObject(parent), Width_(std::max(width, 1)), Height_(std::max(height, 1)) {}

void TsGlyphImages::Add(const QImage& image) {
    QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    if (picture.size() != QSize(Width_, Height_)) picture = picture.scaled(Width_, Height_);
    Images_.push_back(picture);
}

QImage TsGlyphImages::Image(int index) const {
    if (index < 0 || index >= Count()) return {};
    return Images_[static_cast<size_t>(index)];
}

// --- TsGlyphMode ------------------------------------------------------------------------------------

void TsGlyphMode::SetImages(TsGlyphImages* images) {
    if (Images_ == images) return;
    if (Images_) disconnect(Images_, nullptr, this, nullptr);
    Images_ = images;
    // The list going away clears Images (the pointer does) and the button lays out anew.
    if (images != nullptr) connect(images, &QObject::destroyed, this, &TsGlyphMode::LayoutChanged);
    emit LayoutChanged();
}

void TsGlyphMode::SetImageIndex(int value) {
    ImageIndex_ = value;
    emit LayoutChanged();
}

void TsGlyphMode::SetImageIndexHot(int value) {
    ImageIndexHot_ = value;
    emit LayoutChanged();
}

void TsGlyphMode::SetImageIndexPressed(int value) {
    ImageIndexPressed_ = value;
    emit LayoutChanged();
}

void TsGlyphMode::SetBlend(int value) {
    Blend_ = std::clamp(value, 0, 100);
    emit LookChanged();
}

void TsGlyphMode::SetGrayed(bool value) {
    Grayed_ = value;
    emit LookChanged();
}

// --- Glyph cells ------------------------------------------------------------------------------------

QImage TGlyphCell::Picture() const {
    if (Strip.isNull() || CellWidth <= 0) return {};
    return Strip.copy(Cell * CellWidth, 0, CellWidth, Strip.height());
}

TGlyphCell GlyphCellFor(const TsGlyphMode& mode, int defaultIndex, int state) {
    TGlyphCell result;
    const TsGlyphImages* images = mode.Images();
    if (ValidIndex(images, mode.ImageIndex())) {
        int index = state == 2 ? mode.ImageIndexPressed() : state == 1 ? mode.ImageIndexHot() : mode.ImageIndex();
        if (!ValidIndex(images, index)) index = mode.ImageIndex();
        result.Strip = images->Image(index);
        result.CellWidth = images->Width() / CellCount(images->Width(), images->Height());
        return result;
    }
    const TEditGlyphList& glyphs = EditGlyphs();
    result.Strip = glyphs.Image(defaultIndex);
    if (result.Strip.isNull()) return result;
    const int cells = glyphs.CellCount();
    result.CellWidth = glyphs.Width() / cells;
    result.Cell = std::clamp(state, 0, cells - 1);
    return result;
}

int GlyphCellWidth(const TsGlyphMode& mode) {
    const TsGlyphImages* images = mode.Images();
    if (ValidIndex(images, mode.ImageIndex())) return images->Width() / CellCount(images->Width(), images->Height());
    const TEditGlyphList& glyphs = EditGlyphs();
    return glyphs.Width() / CellCount(glyphs.Width(), glyphs.Height());
}

// --- TsEditButton -----------------------------------------------------------------------------------

TsEditButton::TsEditButton(QWidget* edit, const TsGlyphMode& mode, int defaultGlyphIndex)
    : TsSpeedButton(edit, QStringLiteral("SPEEDBUTTON_SMALL")), Mode_(mode), DefaultGlyphIndex_(defaultGlyphIndex) {
    setObjectName(QStringLiteral("Button"));
    setCursor(Qt::ArrowCursor);
    resize(22, 21);
}

QImage TsEditButton::GlyphFor(int state) const { return GlyphCellFor(Mode_, DefaultGlyphIndex_, state).Picture(); }

void TsEditButton::DrawGlyph(QPainter& painter, int state) const {
    QImage picture = GlyphFor(state);
    if (picture.isNull()) return;
    if (Mode_.Grayed() && state == 0) {
        // Grey, with the picture's own transparency.
        QImage grey = picture.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
        grey.setAlphaChannel(picture.convertToFormat(QImage::Format_Alpha8));
        picture = grey;
    }
    painter.save();
    painter.setOpacity((100 - Mode_.Blend()) / 100.0);
    painter.drawImage(GlyphRect(picture.size()).topLeft(), picture);
    painter.restore();
}
