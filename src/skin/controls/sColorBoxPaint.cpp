// TsCustomColorBox's drawing of one item: the face of the closed box or a row of its list.
#include "sComboBoxes.h"

#include <QPainter>
#include <QPen>

#include "skin/binding/SkinText.h"
#include "core/SystemColors.h"
#include "platform/BitmapView.h"
#include "platform/SystemMetrics.h"
#include "platform/QtRects.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PixelBlends.h"

namespace {

void FrameRect(Bitmap32& bitmap, const QRect& r, TColor color) {
    if (r.width() <= 0 || r.height() <= 0) return;
    FillRectColor(bitmap, {r.left(), r.top(), r.right() + 1, r.top() + 1}, color);
    FillRectColor(bitmap, {r.left(), r.bottom(), r.right() + 1, r.bottom() + 1}, color);
    FillRectColor(bitmap, {r.left(), r.top(), r.left() + 1, r.bottom() + 1}, color);
    FillRectColor(bitmap, {r.right(), r.top(), r.right() + 1, r.bottom() + 1}, color);
}

// A dotted focus frame in the colour that stands out from the pixels under it.
void DrawFocusRect(QPainter& painter, const QRect& r, TColor under) {
    const TColor rgb = ColorToRGB(under);
    const int light = (GetRValue(rgb) * 3 + GetGValue(rgb) * 6 + GetBValue(rgb)) / 10;
    painter.setPen(QPen(light > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}
}  // namespace

TColor ContrastFrameColor(TColor color, bool selected) {
    const TColor rgb = ColorToRGB(color);
    if (GetRValue(rgb) > 128 || GetGValue(rgb) > 128 || GetBValue(rgb) > 128) return RGB(128, 128, 128);
    return selected ? clWhite : color;
}

TColor TsCustomColorBox::SwatchColor(TColor color) const {
    if (color == clDefault) return DefaultColorColor;
    if (color == clNone) return NoneColorColor;
    return color;
}

bool TsCustomColorBox::PaintListItem(int index, const QRect& rect, Bitmap32* target, TOwnerDrawState state) {
    if (index < 0 || index >= count() || rect.isEmpty()) return false;
    const bool skinned = SkinData.IsSkinned();
    if (target == nullptr && skinned) {
        SkinData.EnsureCache();
        target = SkinData.CacheBitmap.get();
    }
    if (target == nullptr || target->Empty()) return false;
    const bool selected = state & odSelected, focused = state & odFocused, face = state & odComboBoxEdit;
    const SkinModel* model = skinned ? SkinData.Model() : nullptr;
    const int selection = model != nullptr ? model->SectionIndexOf("SELECTION") : -1;
    int textSection = -1;
    if (model != nullptr) textSection = selected ? selection : face ? SkinData.SectionIndex : model->SectionIndexOf("EDIT");

    const int width = rect.width(), height = rect.height();
    Bitmap32 item(width, height, ColorToPixel(Color()));
    if (!selected || (face && !ShowColorName)) {
        // The face lies over the skinned face already in the cache.
        if (model != nullptr && face) item = target->Copy(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
    } else if (model == nullptr) {
        FillRectColor(item, {0, 0, width, height}, ColorToRGB(clHighlight));
    } else if (selection < 0) {
        FillRectColor(item, {0, 0, width, height}, model->HighlightBackColor(true));
    } else {
        if (face) item = target->Copy(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
        const Bitmap32 under = item;
        BackgroundInfo background;
        background.Bitmap = &under;
        background.HasBitmap = true;
        background.FillColor = ColorToRGB(Color());
        PaintSectionByIndex(selection, "SELECTION", background, clFuchsia, -1, -1, model, item, {0, 0},
                            {0, 0, width, height}, focused ? 1 : 0);
    }

    const TColor swatchColor = SwatchColor(ItemColor(index));
    const int inset = face ? Margin_ + 1 : 1;
    QRect swatch = QRect(0, 0, width, height).adjusted(inset, inset, -inset, -inset);
    QImage view = BitmapView(item);
    QPainter painter(&view);
    if (face && !ShowColorName) {
        if (selected) {
            FillRectColor(item, {0, 0, width, height}, ColorToRGB(swatchColor));
            if (focused) DrawFocusRect(painter, QRect(0, 0, width, height), swatchColor);
        } else if (!swatch.isEmpty()) {
            FillRectColor(item, ToTRect(swatch), ColorToRGB(swatchColor));
            FrameRect(item, swatch, ColorToRGB(ContrastFrameColor(swatchColor, selected)));
        }
    } else {
        swatch.adjust(2, 0, -2, 0);
        swatch.setRight(swatch.left() + 2 * swatch.height() - 1);
        if (!swatch.isEmpty()) {
            FillRectColor(item, ToTRect(swatch), ColorToRGB(swatchColor));
            FrameRect(item, swatch, ColorToRGB(ContrastFrameColor(swatchColor, selected)));
        }
        const QRect text(swatch.right() + 1 + 5, 0, width - (swatch.right() + 1 + 5), height);
        const int format = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        if (text.width() > 0 && textSection >= 0) {
            painter.end();
            TsTextCanvas canvas{&item, font(), FontColor()};
            DrawSectionText(canvas, itemText(index), isEnabled(), selected, SkinData, textSection, format,
                            ToTRect(text));
        } else if (text.width() > 0) {
            TColor color = FontColor();
            if (selected) color = model != nullptr ? model->HighlightTextColor(focused) : clHighlightText;
            painter.setFont(font());
            painter.setPen(ToQColor(color));
            painter.drawText(text, format, itemText(index));
            if (model == nullptr && focused && !face)
                DrawFocusRect(painter, QRect(0, 0, width, height), selected ? clHighlight : Color());
        }
    }
    if (painter.isActive()) painter.end();
    target->Paste(item, rect.left(), rect.top());
    return true;
}
