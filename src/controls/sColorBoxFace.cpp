// TsColorBox's skinned face: the drop-down button with its arrow and the selected item's swatch.
#include "sComboBoxes.h"

#include <algorithm>

#include <QPainter>

#include "binding/SkinText.h"
#include "platform/BitmapView.h"
#include "platform/SystemMetrics.h"
#include "skin/MaskCells.h"
#include "skinpaint/ControlFace.h"
#include "skinpaint/PixelBlends.h"

namespace {
QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// Grey on light colours, the colour itself on dark ones (white when selected).
QColor FrameColorFor(TColor color, bool selected) {
    const QColor c = ToQColor(color);
    if (c.red() > 128 || c.green() > 128 || c.blue() > 128) return QColor(128, 128, 128);
    return selected ? QColor(Qt::white) : c;
}
// The classic focus rectangle: every other pixel of the outline inverted.
void DrawDottedFocusRect(Bitmap32& bitmap, const TRect& r) {
    auto invert = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height() || (x + y) % 2 != 0) return;
        bitmap.At(x, y) ^= 0x00FFFFFFu;
    };
    for (int x = r.Left; x < r.Right; ++x) {
        invert(x, r.Top);
        if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        invert(r.Left, y);
        if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
    }
}
}  // namespace

TRect TsColorBox::DropButtonRect() const {
    const int w = width(), h = height();
    return {w - 2 - GetSystemMetrics(SM_CXVSCROLL), 2, w - 2, h - 2};
}

void TsColorBox::PaintContent(Bitmap32& cache, QPainter&, int state) {
    const SkinModel* model = SkinData.Model();
    if (model == nullptr || cache.Empty()) return;
    const TRect button = DropButtonRect();
    const int buttonState = Dropped_ ? 2 : state;
    const TsWellKnownIndexes& known = model->WellKnown;
    if (known.ComboButtonSection >= 0) {
        // Over the face just painted.
        const Bitmap32 face = cache;
        BackgroundInfo under;
        under.Bitmap = &face;
        under.HasBitmap = true;
        PaintSectionByIndex(known.ComboButtonSection, "COMBOBTN", under, clFuchsia, known.ComboButtonHotTexture,
                            known.ComboButtonTexture, model, cache, {0, 0}, button, buttonState);
    }
    if (known.ComboGlyphMask >= 0 && known.ComboGlyphMask < static_cast<int>(model->ma.size())) {
        const TsMaskData& arrow = model->ma[static_cast<size_t>(known.ComboGlyphMask)];
        const int arrowState = std::min<int>(buttonState, std::max<int>(arrow.StateCount - 1, 0));
        const TRect cell = MaskStateCell(arrow, arrowState);
        if (!RectEmpty(cell)) {
            DrawMaskImage(cache, button.Left + (button.Width() - cell.Width()) / 2, (height() - cell.Height()) / 2,
                          arrow, arrowState, model->MasterBitmap);
        }
    }
    if (currentIndex() < 0) return;
    const TRect item{3, 3, button.Left - 1, height() - 3};
    if (RectEmpty(item)) return;
    const bool selected = hasFocus() && isEnabled();
    const TColor swatchColor = SwatchColor(ItemColor(currentIndex()), *this);
    QImage view = BitmapView(cache);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect swatch = ToQRect(item).adjusted(1, 1, -1, -1);
    if (!ShowColorName) {
        if (selected) {
            painter.fillRect(ToQRect(item), ToQColor(swatchColor));
            painter.end();
            DrawDottedFocusRect(cache, item);
        } else {
            painter.fillRect(swatch, ToQColor(swatchColor));
            painter.setPen(FrameColorFor(swatchColor, false));
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
        return;
    }
    // With the name: a swatch twice as wide as high, then the name beside it in the section's colours.
    swatch.adjust(2, 0, 0, 0);
    swatch.setWidth(2 * swatch.height());
    painter.fillRect(swatch, ToQColor(swatchColor));
    painter.setPen(FrameColorFor(swatchColor, selected));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.end();
    TsTextCanvas canvas{&cache, font(), FontColor()};
    DrawSkinText(canvas, itemText(currentIndex()), isEnabled(), selected, SkinData,
                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                 {swatch.right() + 1 + 5, item.Top, item.Right, item.Bottom});
}
