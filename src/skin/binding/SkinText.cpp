// DrawSkinText: the text's section, glow, contour copies and colours, laid out by Qt.
#include "SkinText.h"

#include <QPainter>
#include <QWidget>

#include "platform/BitmapView.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SystemMetrics.h"
#include "platform/QtRects.h"
#include "sCommonData.h"
#include "skin/model/ColorTransforms.h"
#include "skin/paint/PixelBlends.h"
#include "skin/paint/TextGlow.h"

namespace {
constexpr TColor kNoContour = static_cast<TColor>(-1);

// Check boxes, radio buttons and group boxes may take their text colours from an ancestor.
bool BorrowsTextSection(int kind) { return kind == 32 || kind == 152 || kind == 33 || kind == 74 || kind == 226; }

TColor Turned(const TsCommonData& data, TColor color) {
    color = RotateColorHue(data.HUEOffset(), color);
    return data.Saturation() != 0 ? static_cast<TColor>(ChangeSaturation(data.Saturation(), color)) : color;
}


// Draws the text in black into the grey work picture, through an 8-bit image Qt can draw on.
void DrawIntoGray(GrayPicture& work, TRect rect, const QFont& font, int format, const QString& text) {
    QImage image(work.Width(), work.Height(), QImage::Format_Grayscale8);
    for (int y = 0; y < work.Height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < work.Width(); ++x) line[x] = work.At(x, y);
    }
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(ToQRect(rect), format, text);
    }
    for (int y = 0; y < work.Height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < work.Width(); ++x) work.At(x, y) = line[x];
    }
}
}  // namespace

int TextSectionIndex(const TsCommonData& data, bool hot) {
    const TsGeneralData* own = data.Section();
    if (own == nullptr) return -1;
    const QWidget* owner = data.OwnerControl;
    const bool parentFont = owner != nullptr && !owner->testAttribute(Qt::WA_SetFont);
    if (!(BorrowsTextSection(data.ControlKind) || data.Windowless) || !parentFont ||
        own->Props[hot ? 1 : 0].Transparency <= 0) {
        return data.SectionIndex;
    }
    const SkinModel& model = *data.Model();
    for (QWidget* parent = owner->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        int index = -1;
        SendNimbrelCommand(parent, MakeNimbrelParam(AC_GETSECTIONINDEX), reinterpret_cast<intptr_t>(&index));
        const TsGeneralData* asked = model.SectionAt(index);
        if (asked == nullptr) return data.SectionIndex;
        const TsGeneralData& section = *asked;
        // A see-through ancestor passes the question on to its own parent.
        if (section.Props[0].Transparency > 50 && parent->parentWidget() != nullptr) continue;
        return section.GiveOwnFont ? index : data.SectionIndex;
    }
    return data.SectionIndex;
}

namespace {
// The text in the colours of one section; the glow goes into glowTarget when there is one.
void DrawText(TsTextCanvas& canvas, const QString& text, bool enabled, bool hot, const TsCommonData& data, int index,
              Bitmap32* glowTarget, int format, TRect rect) {
    QFont font = canvas.Font;
    if (hot && data.SkinSection() == QStringLiteral("WEBBUTTON")) font.setUnderline(true);
    const QRect clip = ToQRect(rect);
    auto draw = [&](TColor color, QPoint shift, int flags) {
        QImage view = BitmapView(*canvas.Bitmap);
        QPainter painter(&view);
        painter.setClipRect(clip);
        painter.setFont(font);
        painter.setPen(ToQColor(color));
        painter.drawText(clip.translated(shift), flags, text);
    };
    const SkinModel* model = data.Model();
    const TsGeneralData* section = model != nullptr ? model->SectionAt(index) : nullptr;
    if (!data.IsSkinned() || data.CustomFont() || section == nullptr) {
        draw(canvas.FontColor, {}, format);
        return;
    }
    const TsGenState& set = section->Props[hot ? 1 : 0];
    if (set.GlowSize != 0 && glowTarget != nullptr && !glowTarget->Empty()) {
        PaintTextGlow(*glowTarget, rect, set.GlowSize, set.GlowColor,
                      [&](GrayPicture& work, TRect textRect) { DrawIntoGray(work, textRect, font, format, text); });
    }
    if (!enabled) {
        draw(Turned(data, BlendTwoColors(set.FontColor, model->GlobalBackColor(), 0.4)), {}, format);
        return;
    }
    const std::pair<TColor, QPoint> contours[] = {{set.TextContourLeft, {-1, 0}},
                                                  {set.TextContourTop, {0, -1}},
                                                  {set.TextContourRight, {1, 0}},
                                                  {set.TextContourBottom, {0, 1}}};
    for (const auto& [color, shift] : contours)
        if (color != kNoContour) draw(Turned(data, color), shift, format);
    draw(Turned(data, set.FontColor), {}, format | Qt::TextDontClip);
}
}  // namespace

void DrawSkinText(TsTextCanvas& canvas, const QString& text, bool enabled, bool hot, const TsCommonData& data,
                  int format, TRect rect) {
    if (text.isEmpty() || canvas.Bitmap == nullptr || canvas.Bitmap->Empty() || RectEmpty(rect)) return;
    Bitmap32* glowTarget = data.CacheBitmap ? data.CacheBitmap.get() : nullptr;
    DrawText(canvas, text, enabled, hot, data, data.IsSkinned() ? TextSectionIndex(data, hot) : -1, glowTarget,
             format, rect);
}

void DrawSectionText(TsTextCanvas& canvas, const QString& text, bool enabled, bool hot, const TsCommonData& data,
                     int sectionIndex, int format, TRect rect) {
    if (text.isEmpty() || canvas.Bitmap == nullptr || canvas.Bitmap->Empty() || RectEmpty(rect)) return;
    DrawText(canvas, text, enabled, hot, data, sectionIndex, canvas.Bitmap, format, rect);
}
