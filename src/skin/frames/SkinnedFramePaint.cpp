// The window picture: face, grip, title band, icon, title bar strip, caption text and caption buttons.
#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QWidget>

#include "SkinnedFrame.h"
#include "TitleButtonAnimation.h"
#include "skin/effects/GlowEffect.h"
#include "core/SystemColors.h"
#include "platform/BitmapView.h"
#include "platform/DesktopEffects.h"
#include "platform/SysCommands.h"
#include "platform/SystemMetrics.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ControlFace.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PixelBlends.h"

namespace {

int ClampedState(int state, const TsGeneralData& section) { return std::clamp(state, 0, std::max(section.States - 1, 0)); }

constexpr TColor kNoContour = 0xFFFFFFFFu;

// A section face painted by name over rect, with its corner images and its border over the background.
void PaintSectionFace(Bitmap32& picture, const SkinModel& model, const std::string& name, TRect rect, int state,
                      const BackgroundInfo& background) {
    const SectionBinding binding = BindSection(model, name);
    if (binding.SectionIndex < 0) return;
    PaintControlFace(binding, background, state, picture, {0, 0}, rect);
}

}  // namespace

QString TSkinnedFrame::CaptionText() const { return Window_ != nullptr ? Window_->windowTitle() : QString(); }

QIcon TSkinnedFrame::TitleIcon() const {
    if (Window_ == nullptr) return {};
    // The window's own icon, else the application's, else the platform's standard application icon.
    QIcon icon = Window_->windowIcon();
    if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    return icon;
}

void TSkinnedFrame::PaintWindowImage(bool force) {
    TsCommonData& data = *SkinData_;
    const SkinModel* model = Model();
    const TsGeneralData* section = data.Section();
    if (model == nullptr || section == nullptr || Window_ == nullptr || !data.IsSkinned()) return;
    const int width = Window_->width(), height = Window_->height();
    const bool sized = data.CacheBitmap && data.CacheBitmap->Width() == width && data.CacheBitmap->Height() == height;
    if (!force && !data.CacheInvalid && sized) return;
    if (Layout.Info().Width != width || Layout.Info().Height != height) UpdateLayout();
    data.EnsureCache();
    Bitmap32& picture = *data.CacheBitmap;
    if (picture.Empty()) return;

    const int state = ClampedState(FormActive ? 1 : 0, *section);
    // A top-level window has nothing under it: the empty background record.
    PaintControlFace(data, BackgroundInfo(), state, picture, {0, 0}, {0, 0, width, height});

    // The size grip.
    const TPoint grip = GripCorner();
    if (grip.X >= 0) {
        const int index = model->MaskIndexOf("GLOBALINFO", "GRIPIMAGE");
        if (const TsMaskData* mask = model->MaskAt(index)) DrawMaskImage(picture, grip.X, grip.Y, *mask, 0, model->MasterBitmap);
    }
    if (Layout.CaptionHeight > 0 && DrawsFrame()) PaintTitleBand(picture, state);
    PaintCaptionText(picture, state);
    const int bandBottom = Layout.BorderWidth + Layout.CaptionHeight;
    ButtonBackdrop = picture.Copy(Layout.ButtonsLeft(), 0, width, bandBottom);
    PlaceTitleButtons(picture);
    data.CacheInvalid = false;
}

void TSkinnedFrame::PaintTitleBand(Bitmap32& picture, int state) {
    const SkinModel& model = *Model();
    const int width = picture.Width();
    const int band = std::min(Layout.BorderWidth + Layout.CaptionHeight, picture.Height());
    // What is painted so far is the background of the title band and of the strip.
    const Bitmap32 painted = picture;
    BackgroundInfo background;
    background.Bitmap = &painted;
    background.HasBitmap = true;
    if (TitleSectionIndex >= 0) {
        const TsGeneralData& title = model.Sections[static_cast<size_t>(TitleSectionIndex)];
        PaintSectionFace(picture, model, title.SectionName, {0, 0, width, band}, ClampedState(FormActive ? 1 : 0, title),
                         background);
    }

    // The icon.
    if (Layout.IconShown) {
        QImage view = BitmapView(picture);
        QPainter painter(&view);
        const QRect place(Layout.Icon.Left, Layout.Icon.Top, Layout.Icon.Width(), Layout.Icon.Height());
        if (const QImage* glyph = TitleGlyph(); glyph != nullptr && !glyph->isNull()) {
            if (glyph->hasAlphaChannel()) {
                painter.drawImage(place.topLeft(), *glyph);
            } else {
                // The key colour is transparent in a glyph without alpha.
                QImage keyed = glyph->convertToFormat(QImage::Format_ARGB32);
                for (int y = 0; y < keyed.height(); ++y) {
                    auto* row = reinterpret_cast<uint32_t*>(keyed.scanLine(y));
                    for (int x = 0; x < keyed.width(); ++x)
                        if ((row[x] & 0xFFFFFFu) == 0xFF00FFu) row[x] = 0;
                }
                painter.drawImage(place, keyed);
            }
        } else {
            const QIcon icon = TitleIcon();
            if (!icon.isNull()) painter.drawPixmap(place, icon.pixmap(place.size()));
        }
    }

    // The title bar strip behind the caption buttons.
    if (Layout.HasAnyButton()) {
        const TsCommonData& data = *SkinData_;
        const int index = model.MaskIndexOf(data.SectionIndex, data.SkinSection().toStdString(), "TITLEBAR");
        if (const TsMaskData* mask = model.MaskAt(index)) {
            const int cell = TitleButtonCellWidth(model, index);
            const TRect strip{width - (2 * cell + Layout.ButtonGroupWidth), 0, width, band};
            PaintBorderOverBackground(picture, strip, state, *mask, background, model.MasterBitmap);
        }
    }
}

void TSkinnedFrame::DrawCaptionLine(Bitmap32& picture, const QString& text, const QFont& font, TRect rect, TColor color,
                                    int dx, int dy) const {
    QImage view = BitmapView(picture);
    QPainter painter(&view);
    painter.setFont(font);
    painter.setPen(ToQColor(color));
    const QRect box(rect.Left + dx, rect.Top + dy, rect.Width(), rect.Height());
    painter.setClipRect(box);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.Width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void TSkinnedFrame::PaintCaptionGlow(Bitmap32& picture, const QString& text, const QFont& font, TRect rect, int size,
                                     TColor color) {
    TCaptionGlow& glow = CaptionGlows[FormActive ? 1 : 0];
    const int grow = size + 4;
    if (!glow.Picture || glow.TextRect != rect || glow.Size != size || glow.Color != color) {
        // The text in black at its place and one pixel left, up, right and down, blurred once.
        QImage work(rect.Width() + 2 * grow, rect.Height() + 2 * grow, QImage::Format_Grayscale8);
        work.fill(255);
        {
            QPainter painter(&work);
            painter.setFont(font);
            painter.setPen(Qt::black);
            const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.Width());
            for (const QPoint shift : {QPoint(0, 0), QPoint(-1, 0), QPoint(0, -1), QPoint(1, 0), QPoint(0, 1)}) {
                painter.drawText(QRect(grow + shift.x(), grow + shift.y(), rect.Width(), rect.Height()),
                                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
            }
        }
        GrayPicture blurred(work.width(), work.height(), 255);
        for (int y = 0; y < work.height(); ++y) {
            const uchar* row = work.constScanLine(y);
            for (int x = 0; x < work.width(); ++x) blurred.At(x, y) = row[x];
        }
        BlurGray(blurred, GlowKernel(size));
        glow.Picture = std::move(blurred);
        glow.TextRect = rect;
        glow.Size = size;
        glow.Color = color;
    }
    const TColor rgb = ColorToRGB(color);
    const int gr = GetRValue(rgb), gg = GetGValue(rgb), gb = GetBValue(rgb);
    const GrayPicture& work = *glow.Picture;
    for (int y = 0; y < work.Height(); ++y) {
        const int ty = rect.Top - grow + y;
        if (ty < 0 || ty >= picture.Height()) continue;
        for (int x = 0; x < work.Width(); ++x) {
            const int tx = rect.Left - grow + x;
            const int v = work.At(x, y);
            if (v >= 255 || tx < 0 || tx >= picture.Width()) continue;
            uint32_t& p = picture.At(tx, ty);
            const auto mix = [v](int c, int g) { return static_cast<uint8_t>(g + v * (c - g) / 255); };
            const int a = PixelAlpha(p);
            p = MakePixel(mix(PixelRed(p), gr), mix(PixelGreen(p), gg), mix(PixelBlue(p), gb),
                          static_cast<uint8_t>(a + (255 - v) * (255 - a) / 255));
        }
    }
}

void TSkinnedFrame::PaintCaptionText(Bitmap32& picture, int state) {
    CaptionPlacement = TCaptionPlacement();
    if (Layout.CaptionHeight == 0 || !DrawsFrame()) return;
    const SkinModel& model = *Model();
    TRect rect = Layout.CaptionRect;
    CaptionPlacement.Before = rect;
    if (RectEmpty(rect)) return;
    const QFont font = CaptionFont();
    const QFontMetrics metrics(font);
    const QString text = CaptionText();
    const int textHeight = metrics.height();
    rect.Top += (rect.Height() - textHeight) / 2;
    rect.Bottom = rect.Top + textHeight;
    const int textWidth = metrics.horizontalAdvance(text);
    const TAddedTitle* added = AddedTitle();
    const bool hasAdded = added != nullptr && !added->Text.isEmpty();
    const int addedWidth = hasAdded ? QFontMetrics(added->Font).horizontalAdvance(added->Text) : 0;
    switch (CaptionAlignment()) {
        case TAlignment::taRightJustify:
            if (textWidth + addedWidth + 4 < rect.Width()) rect.Left = rect.Right - (textWidth + addedWidth + 4);
            break;
        case TAlignment::taCenter:
            rect.Left = std::max(rect.Left, rect.Left + (rect.Width() - textWidth - addedWidth - 4) / 2);
            rect.Right = std::min(rect.Left + textWidth, rect.Right);
            break;
        case TAlignment::taLeftJustify: break;
    }
    CaptionPlacement.After = rect;

    // The caption's own background, and the section whose colours the text takes.
    int textSection = TitleSectionIndex >= 0 ? TitleSectionIndex : SkinData_->SectionIndex;
    if (CaptionSectionIndex >= 0) {
        const Bitmap32 painted = picture;
        BackgroundInfo background;
        background.Bitmap = &painted;
        background.HasBitmap = true;
        const TsGeneralData& caption = model.Sections[static_cast<size_t>(CaptionSectionIndex)];
        const TRect grown = ClipRect({rect.Left - 4, rect.Top - 2, rect.Right + 4, rect.Bottom + 2}, picture.Width(),
                                     picture.Height());
        PaintSectionFace(picture, model, caption.SectionName, grown, ClampedState(state, caption), background);
        textSection = CaptionSectionIndex;
    }
    if (textSection < 0) return;
    const TsGeneralData& section = model.Sections[static_cast<size_t>(textSection)];
    const TsGenState& set = section.Props[FormActive ? 1 : 0];
    const bool showMain = !hasAdded || added->ShowMainCaption;

    if (showMain) {
        if (set.GlowSize != 0) PaintCaptionGlow(picture, text, font, rect, set.GlowSize, set.GlowColor);
        if (Window_->isEnabled()) {
            const TColor contours[4] = {set.TextContourLeft, set.TextContourTop, set.TextContourRight,
                                        set.TextContourBottom};
            const QPoint shifts[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
            for (int i = 0; i < 4; ++i)
                if (contours[i] != kNoContour)
                    DrawCaptionLine(picture, text, font, rect, contours[i], shifts[i].x(), shifts[i].y());
            DrawCaptionLine(picture, text, font, rect, set.FontColor);
        } else {
            const TsGenState& normal = section.Props[0];
            DrawCaptionLine(picture, text, font, rect, BlendTwoColors(normal.FontColor, normal.Color, 0.4));
        }
    }
    if (hasAdded) {
        const int start = (showMain ? rect.Left + std::min(textWidth, rect.Width()) : Layout.CaptionRect.Left) + 4;
        const TRect place{start, rect.Top, std::min(start + addedWidth + 4, Layout.CaptionRect.Right), rect.Bottom};
        if (place.Width() > 8) {
            TColor color = added->FontColor;
            if (color == clDefault || color == clWindowText)
                color = set.FontColor;
            else if (!FormActive)
                color = BlendTwoColors(color, section.Props[0].FontColor, 0.5);
            DrawCaptionLine(picture, added->Text, added->Font, place, color);
        }
    }
}

void TSkinnedFrame::DrawTitleButton(Bitmap32& picture, const TFrameButton& button, bool animated, TPoint origin) const {
    const SkinModel& model = *Model();
    const TsMaskData* mask = model.MaskAt(button.ImageIndex);
    if (mask == nullptr || !button.Visible) return;
    const int last = std::max<int>(1, mask->StateCount) - 1;
    const int state = animated ? 0 : std::min(button.State, last);
    const int x = button.Left - origin.X, y = button.Top - origin.Y;
    const bool half = (button.State == 0 || animated) && (!FormActive || !button.Enabled);
    if (!half) {
        DrawMaskImage(picture, x, y, *mask, state, model.MasterBitmap);
        return;
    }
    Bitmap32 layer = picture.Copy(x, y, x + button.Right - button.Left, y + button.Bottom - button.Top);
    DrawMaskImage(layer, 0, 0, *mask, state, model.MasterBitmap);
    BlendBitmap(picture, layer, 128, {x, y}, {0, 0, layer.Width(), layer.Height()});
}

void TSkinnedFrame::PlaceTitleButtons(Bitmap32& picture) {
    for (const TFrameButton& button : Layout.Buttons) DrawTitleButton(picture, button, button.Animation != nullptr, {0, 0});
    for (const TFrameButton& button : Layout.UserButtons) DrawTitleButton(picture, button, false, {0, 0});
}

Bitmap32 TSkinnedFrame::ButtonLook(const TFrameButton& button) const {
    const int left = Layout.ButtonsLeft();
    Bitmap32 look = ButtonBackdrop.Copy(button.Left - left, button.Top, button.Right - left, button.Bottom);
    DrawTitleButton(look, button, false, {button.Left, button.Top});
    return look;
}

bool TSkinnedFrame::AnimationsAllowed() const {
    const TsSkinManager* manager = Manager();
    return manager != nullptr && manager->Effects.AllowGlowing && LayeredWindowsAvailable() && !GlowsBlocked() &&
           Window_ != nullptr && Window_->isWindow() && !Layout.Info().MdiChild;
}

void TSkinnedFrame::UpdateButtonGlow(TFrameButton& button, bool hot) {
    if (!hot) {
        if (button.GlowHandle >= 0) RemoveGlow(button.GlowHandle);
        button.GlowHandle = -1;
        return;
    }
    const SkinModel& model = *Model();
    const TsSkinData& skin = model.SkinData;
    int glow = 0, margin = 0;
    switch (button.HitCode) {
        case HTCLOSE: glow = skin.CloseGlow; margin = skin.CloseGlowMargin; break;
        case HTMAXBUTTON: glow = skin.MaxGlow; margin = skin.MaxGlowMargin; break;
        case HTMINBUTTON: glow = skin.MinGlow; margin = skin.MinGlowMargin; break;
        default: return;
    }
    const TsMaskData* mask = model.MaskAt(button.ImageIndex);
    if (glow <= 0 || mask == nullptr || button.GlowHandle >= 0) return;
    const QPoint at = Window_->mapToGlobal(QPoint(button.Left, button.Top));
    const TRect screen{at.x(), at.y(), at.x() + button.Right - button.Left, at.y() + button.Bottom - button.Top};
    button.GlowHandle = ShowGlow(screen, {0, 0, screen.Width(), screen.Height()}, "GLOBALINFO", Manager(), Window_, 255,
                                 margin, mask->KeyName + "GLOW");
}

void TSkinnedFrame::RepaintTitleButton(int hitCode) {
    TFrameButton* button = Layout.ButtonByHitCode(hitCode);
    Bitmap32* picture = SkinData_->CacheBitmap.get();
    if (button == nullptr || !button->Visible || picture == nullptr || SkinData_->CacheInvalid || ButtonBackdrop.Empty())
        return;
    const QRect rect(button->Left, button->Top, button->Right - button->Left, button->Bottom - button->Top);
    if (AnimationsAllowed()) {
        TTitleButtonAnimation::Start(*this, *button, ButtonLook(*button));
        UpdateButtonGlow(*button, hitCode == HotCode && button->State == 1);
        return;
    }
    picture->Paste(ButtonLook(*button), button->Left, button->Top);
    Window_->update(rect);
}
