// TsButton's painting: the cache, the window shape, caption and glyph layout, the unskinned look.
#include <algorithm>
#include <vector>

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "skin/binding/RepaintPath.h"
#include "skin/binding/SkinText.h"
#include "skin/effects/sFade.h"
#include "platform/BitmapView.h"
#include "platform/SystemMetrics.h"
#include "platform/QtRects.h"
#include "sButton.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintPattern.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PixelBlends.h"

namespace {
// The glyph space of a command link without images.
constexpr int kCommandLinkGlyph = 32;
// Gap between a command link's glyph and caption, and between its caption and hint.
constexpr int kCommandLinkGap = 6;


// A command link's caption: bold and 2 points larger (at the forms' 96 pixels per inch when the
// font is sized in pixels).
QFont CommandLinkFont(QFont font) {
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 2);
    else
        font.setPixelSize(font.pixelSize() + 2 * 96 / 72);
    return font;
}

// The dotted focus frame: along each edge every third pixel black, the one before it button-face.
void DrawFocusDots(Bitmap32& canvas, TRect r) {
    const uint32_t black = MakePixel(0, 0, 0);
    const uint32_t face = ColorToPixel(clBtnFace);
    auto put = [&canvas](int x, int y, uint32_t pixel) {
        if (x >= 0 && y >= 0 && x < canvas.Width() && y < canvas.Height()) canvas.At(x, y) = pixel;
    };
    for (int x = r.Left + 2; x < r.Right; x += 3) {
        put(x - 1, r.Top, face);
        put(x, r.Top, black);
        put(x - 1, r.Bottom - 1, face);
        put(x, r.Bottom - 1, black);
    }
    for (int y = r.Top + 2; y < r.Bottom; y += 3) {
        put(r.Left, y - 1, face);
        put(r.Left, y, black);
        put(r.Right - 1, y - 1, face);
        put(r.Right - 1, y, black);
    }
}

int CaptionFormat(bool commandLink, bool wordWrap) {
    const int common = Qt::TextExpandTabs | Qt::TextShowMnemonic;
    if (commandLink) return common | Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    return common | Qt::AlignCenter | (wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}
}  // namespace

// --- Layout -----------------------------------------------------------------------------------------

bool TsButton::UsableGlyph() const { return Images_ != nullptr && ImageIndex >= 0 && ImageIndex < Images_->Count(); }

QSize TsButton::GlyphSize() const {
    if (Images_ != nullptr) return {Images_->Width(), Images_->Height()};
    return Style_ == TButtonStyle::bsCommandLink ? QSize(kCommandLinkGlyph, kCommandLinkGlyph) : QSize();
}

QSize TsButton::CaptionSize() const {
    const QString caption = text();
    if (caption.isEmpty()) return {0, 0};
    QFont measured = font();
    int available = width();
    const bool commandLink = Style_ == TButtonStyle::bsCommandLink;
    if (commandLink) {
        measured = CommandLinkFont(measured);
        const QSize glyph = GlyphSize();
        available = width() - 2 * ContentMargin_ - (ImageMargins_.Left + glyph.width() + ImageMargins_.Right) -
                    kCommandLinkGap;
    }
    const int flags = CaptionFormat(false, WordWrap_);
    return QFontMetrics(measured).boundingRect(QRect(0, 0, std::max(available, 1), 1 << 16), flags, caption).size();
}

QRect TsButton::CaptionRect() const {
    const QSize size = CaptionSize();
    const int tw = size.width(), th = size.height();
    const int w = width(), h = height(), cm = ContentMargin_;
    const QSize glyph = GlyphSize();
    const TImageMargins& m = ImageMargins_;
    int left = 0, top = (h - th) / 2, right = 0, bottom = h - top;
    // Centred in the band from spaceTop to spaceBottom.
    auto centreIn = [&](int spaceTop, int spaceBottom) {
        top = spaceTop + (spaceBottom - spaceTop - th) / 2;
        bottom = spaceBottom - (top - spaceTop);
        left = cm;
        right = w - cm;
    };
    if (Style_ == TButtonStyle::bsCommandLink) {
        left = m.Left + glyph.width() + m.Right + cm + kCommandLinkGap;
        right = w - cm;
        top = cm;
        bottom = top + th;
    } else if (!UsableGlyph() || ImageAlignment_ == TImageAlignment::iaCenter) {
        left = (w - tw) / 2;
        right = left + tw + 2;
    } else {
        switch (ImageAlignment_) {
            case TImageAlignment::iaLeft:
                left = m.Left + glyph.width() + m.Right + cm;
                right = w - cm;
                break;
            case TImageAlignment::iaRight:
                left = cm;
                right = w - m.Right - cm - glyph.width() - m.Left;
                break;
            case TImageAlignment::iaTop: centreIn(m.Top + 2 * cm + glyph.height(), h - cm); break;
            case TImageAlignment::iaBottom: centreIn(m.Top, h - m.Bottom - cm - glyph.height() - m.Top); break;
            case TImageAlignment::iaCenter: break;
        }
    }
    QRect rect(left, top, right - left, bottom - top);
    if (ButtonState() == 2) rect.translate(1, 1);
    return rect;
}

QRect TsButton::GlyphRect() const {
    if (!UsableGlyph()) return {};
    const int gw = Images_->Width(), gh = Images_->Height();
    const int w = width(), h = height(), cm = ContentMargin_;
    const TImageMargins& m = ImageMargins_;
    QPoint at((w - gw) / 2, (h - gh) / 2);
    if (Style_ == TButtonStyle::bsCommandLink) {
        at = {m.Left + cm, cm};
    } else {
        switch (ImageAlignment_) {
            case TImageAlignment::iaLeft: at.setX(m.Left + cm); break;
            case TImageAlignment::iaRight: at.setX(w - m.Right - cm - gw); break;
            case TImageAlignment::iaTop: at.setY(m.Top + cm); break;
            case TImageAlignment::iaBottom: at.setY(h - m.Bottom - cm - gh); break;
            case TImageAlignment::iaCenter: break;
        }
    }
    QRect rect(at, QSize(gw, gh));
    if (ButtonState() == 2) rect.translate(1, 1);
    return rect;
}

// --- Caption and glyph ------------------------------------------------------------------------------

void TsButton::DrawGlyph(Bitmap32& canvas) {
    if (!UsableGlyph() || canvas.Empty()) return;
    const int state = ButtonState();
    auto pick = [this](int index) { return index >= 0 && index < Images_->Count() ? index : ImageIndex; };
    int index = ImageIndex;
    if (!isEnabled())
        index = pick(DisabledImageIndex);
    else if (state == 2)
        index = pick(PressedImageIndex);
    else if (hasFocus() || SkinData.Focused)
        index = pick(SelectedImageIndex);
    else if (state == 1)
        index = pick(HotImageIndex);
    const QRect rect = GlyphRect();
    QImage view = BitmapView(canvas);
    QPainter painter(&view);
    Images_->Draw(painter, rect.x(), rect.y(), index);
}

void TsButton::DrawCaption(Bitmap32& canvas) {
    if (canvas.Empty()) return;
    const bool commandLink = Style_ == TButtonStyle::bsCommandLink;
    const bool hot = ButtonState() != 0;
    const QRect caption = CaptionRect();
    const int format = CaptionFormat(commandLink, WordWrap_);
    // The disabled look is laid over the whole picture afterwards: the text is drawn as enabled.
    TsTextCanvas text{&canvas, commandLink ? CommandLinkFont(font()) : font(), OwnerFontColor()};
    // Unskinned, the platform's disabled text stands in for the skin's disabled look.
    if (!SkinData.IsSkinned() && !isEnabled()) text.FontColor = FromQColor(palette().color(QPalette::Disabled, foregroundRole()));
    DrawSkinText(text, this->text(), true, hot, SkinData, format, ToTRect(caption));
    if (commandLink) {
        text.Font = font();
        const TRect hint{caption.x(), caption.y() + caption.height() + kCommandLinkGap, caption.x() + caption.width(),
                         height() - ContentMargin_};
        DrawSkinText(text, CommandLinkHint_, true, hot, SkinData, format, hint);
    }
    const TsGeneralData* section = SkinData.Section();
    const bool sectionShowsFocus = !SkinData.IsSkinned() || (section != nullptr && section->ShowFocus);
    if ((hasFocus() || SkinData.Focused) && isEnabled() && !this->text().isEmpty() && ShowFocus_ && sectionShowsFocus)
        DrawFocusDots(canvas, ToTRect(caption.adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin)));
}

// --- The cache and the window shape -----------------------------------------------------------------

void TsButton::RebuildCache() {
    const SkinModel* model = SkinData.Model();
    const TsGeneralData* section = SkinData.Section();
    if (model == nullptr || section == nullptr) return;
    BackgroundInfo bg;
    SkinData.ParentBackgroundFor(bg);
    ParentHasBitmap_ = HasParentBitmap(bg);
    SkinData.EnsureCache();
    Bitmap32& cache = *SkinData.CacheBitmap;
    const int w = cache.Width(), h = cache.Height();
    const int state = std::min(ButtonState(), std::max(section->States - 1, 0));
    const TPoint offset{x(), y()};
    PaintSection(SkinData.PaintBinding(), bg, state, cache, offset, {0, 0, w, h});

    // A fade shows frames in the shape it started with.
    const bool makeRegion = !TsCommonData::GlobalPaintingOff() && !FadeRunning();
    if (makeRegion) {
        RegionState_ = RegionState::Made;
        Region_ = QRegion(0, 0, w, h);
    }
    if (const TsMaskData* frame = model->MaskAt(SkinData.BorderMaskIndex)) {
        const TsMaskData& mask = *frame;
        if (state != 0 || (mask.PaintMode & 2) == 0) {
            std::vector<TRect> cuts;
            PaintBorderMask(cache, makeRegion ? &cuts : nullptr, true, state, mask, model->MasterBitmap);
            for (const TRect& cut : cuts) Region_ -= ToQRect(cut);
        }
    }
    ApplyControlHueSaturation(cache, SkinData.HUEOffset(), SkinData.Saturation());
    DrawGlyph(cache);
    DrawCaption(cache);
    if (!isEnabled() && DisabledKind_ != 0) {
        QWidget* parent = parentWidget();
        ApplyDisabledLook(cache, DisabledKind_, parent != nullptr ? ControlColorOf(parent) : clBtnFace, offset, bg);
    }
    SkinData.CacheInvalid = false;
}

void TsButton::ApplyRegion() {
    if (RegionState_ != RegionState::Made) return;
    setMask(Region_);
    RegionState_ = RegionState::None;  // the widget holds the shape now
    Region_ = QRegion();
    const QRect bounds = geometry();
    QWidget* parent = parentWidget();
    const SkinModel* model = SkinData.Model();
    const TsMaskData* frame = model != nullptr ? model->MaskAt(SkinData.BorderMaskIndex) : nullptr;
    const bool shrunk = ShapeBounds_.isValid() &&
                        (bounds.width() < ShapeBounds_.width() || bounds.height() < ShapeBounds_.height());
    if (shrunk && !ParentHasBitmap_ && parent != nullptr && frame != nullptr) {
        // The old corners the new shape may leave uncovered: the parent paints them again.
        const TsMaskData& mask = *frame;
        const QRect old = ShapeBounds_;
        const int right = old.x() + old.width(), bottom = old.y() + old.height();
        parent->update(QRect(right - mask.BorderRight, old.y(), mask.BorderRight, mask.BorderTop));
        parent->update(QRect(right - mask.BorderRight, bottom - mask.BorderBottom, mask.BorderRight, mask.BorderBottom));
        parent->update(QRect(old.x(), bottom - mask.BorderBottom, mask.BorderLeft, mask.BorderBottom));
    }
    ShapeBounds_ = bounds;
}

void TsButton::PaintButton(TDrawTarget* target) {
    const bool printing = target != nullptr;
    if (!OpenSkinnedPaint(SkinData, printing)) return;
    if (FadeRunning()) {
        // The fade shows its frames; before its first one, the look it starts from.
        if (!printing) {
            const Bitmap32* frame = SkinData.AnimationFrame != nullptr ? SkinData.AnimationFrame : &FadeTimer_->BmpFrom;
            if (!frame->Empty()) {
                QPainter painter(this);
                painter.drawImage(0, 0, BitmapView(*frame));
            }
        }
        return;
    }
    if (RegionState_ == RegionState::Placeholder) RegionState_ = RegionState::None;
    SkinData.CacheInvalid = true;
    RebuildCache();
    if (!SkinData.CacheBitmap || SkinData.CacheBitmap->Empty()) return;
    SkinData.RefreshCorners(ButtonState());
    const Bitmap32& cache = *SkinData.CacheBitmap;
    if (printing) {
        if (target->Bitmap != nullptr)
            CopyPixels(*target->Bitmap, target->Origin.X, target->Origin.Y, cache, 0, 0, cache.Width(), cache.Height());
        return;
    }
    ApplyRegion();
    QPainter painter(this);
    painter.drawImage(0, 0, BitmapView(cache));
}

// --- Painting ---------------------------------------------------------------------------------------

void TsButton::PaintUnskinned() {
    // The platform's push button, then the caption as the skinned button draws it.
    SkinData.EnsureCache();
    Bitmap32& cache = *SkinData.CacheBitmap;
    if (cache.Empty()) return;
    QWidget* parent = parentWidget();
    std::fill(cache.Pixels().begin(), cache.Pixels().end(),
              ColorToPixel(parent != nullptr ? ControlColorOf(parent) : clBtnFace));
    {
        QImage view = BitmapView(cache);
        QPainter painter(&view);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    }
    DrawGlyph(cache);
    DrawCaption(cache);
    QPainter painter(this);
    painter.drawImage(0, 0, BitmapView(cache));
}

void TsButton::paintEvent(QPaintEvent*) {
    if (!SkinData.IsSkinned()) {
        PaintUnskinned();
        return;
    }
    PaintButton();
}
