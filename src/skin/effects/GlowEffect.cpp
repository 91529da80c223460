// Glows: the picture, its size and crop, the window's place in the stacking order, and the list.
#include "GlowEffect.h"

#include <algorithm>

#include <QWidget>

#include "platform/DesktopEffects.h"
#include "skin/model/MaskCells.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PaintBorder.h"

namespace {

std::vector<std::unique_ptr<GlowEffect>>& GlowList() {
    static std::vector<std::unique_ptr<GlowEffect>> list;
    return list;
}

bool GlowsBlockedNow = false;
// Handles are indexes into the list counted on from every earlier list, so that a handle kept past
// RemoveAllGlows can never name a later glow.
int HandleBase = 0;

GlowEffect* GlowAt(int handle) {
    auto& list = GlowList();
    const long long index = static_cast<long long>(handle) - HandleBase;
    if (handle < 0 || index < 0 || index >= static_cast<long long>(list.size())) return nullptr;
    return list[static_cast<size_t>(index)].get();
}

int BorderWidth(int own, int common, int cell) {
    if (own > 0) return own;
    if (common > 0) return common;
    return cell;
}

// Frees the glow's window: at once, or when the event loop next runs (its events may still be
// under way).
void ReleaseWindow(GlowEffect& glow, bool now) {
    TLayeredWindow* window = glow.Wnd;
    glow.Wnd = nullptr;
    if (window == nullptr) return;
    window->hide();
    if (now)
        delete window;
    else
        window->deleteLater();
}

}  // namespace

GlowBorders GlowBordersOf(const TsMaskData& mask) {
    const TRect cell = MaskStateCell(mask, 0);
    return {BorderWidth(mask.BorderLeft, mask.CommonBorderWidth, cell.Width()),
            BorderWidth(mask.BorderTop, mask.CommonBorderWidth, cell.Height()),
            BorderWidth(mask.BorderRight, mask.CommonBorderWidth, cell.Width()),
            BorderWidth(mask.BorderBottom, mask.CommonBorderWidth, cell.Height())};
}

GlowPlacement PlaceGlow(TRect control, TRect visible, const GlowBorders& b, int margin) {
    GlowPlacement p;
    const int cw = control.Width(), ch = control.Height();
    p.FullWidth = std::max(0, cw + b.Left + b.Right - 2 * margin);
    p.FullHeight = std::max(0, ch + b.Top + b.Bottom - 2 * margin);
    int cl = 0, ct = 0, cr = 0, cb = 0;
    if (visible.Width() != cw || visible.Height() != ch) {
        // A crop that would reach outside the picture (borders narrower than the margin) is none.
        cl = visible.Left != 0 ? std::max(0, b.Left + visible.Left - margin) : 0;
        ct = visible.Top != 0 ? std::max(0, b.Top + visible.Top - margin) : 0;
        if (visible.Right != cw)
            cr = cl != 0 ? p.FullWidth - cl - visible.Width() : cw + b.Right - visible.Width() - margin;
        if (visible.Bottom != ch)
            cb = ct != 0 ? p.FullHeight - ct - visible.Height() : ch + b.Bottom - visible.Height() - margin;
        cr = std::max(0, cr);
        cb = std::max(0, cb);
    }
    p.Shown = {std::min(cl, p.FullWidth), std::min(ct, p.FullHeight), std::max(cl, p.FullWidth - cr),
               std::max(ct, p.FullHeight - cb)};
    p.Shown.Right = std::min(p.Shown.Right, p.FullWidth);
    p.Shown.Bottom = std::min(p.Shown.Bottom, p.FullHeight);
    const int x = control.Left + margin - b.Left + p.Shown.Left;
    const int y = control.Top + margin - b.Top + p.Shown.Top;
    p.Window = {x, y, x + p.Shown.Width(), y + p.Shown.Height()};
    return p;
}

GlowEffect::GlowEffect(TsSkinManager* skinManager, int maskIndex, int margin)
    : SkinManager(skinManager), MaskIndex(maskIndex), Margin(margin) {}

GlowEffect::~GlowEffect() { ReleaseWindow(*this, false); }

Bitmap32 GlowEffect::PrepareBitmap(int width, int height) const {
    Bitmap32 picture(std::max(0, width), std::max(0, height), 0);
    if (!SkinManager || picture.Empty()) return picture;
    const SkinModel& model = SkinManager->CommonSkinData();
    const TsMaskData* mask = model.MaskAt(MaskIndex);
    if (mask == nullptr) return picture;
    // Over no background: the frame's key-coloured corners stay transparent black.
    const Bitmap32 nothing(picture.Width(), picture.Height(), 0);
    BackgroundInfo none;
    none.Bitmap = &nothing;
    none.HasBitmap = true;
    PaintBorderOverBackground(picture, {0, 0, picture.Width(), picture.Height()}, 0, *mask, none, model.MasterBitmap);
    // A halo is a frame: the picture's middle, tiled over the control by the painter's fill mode,
    // would lay the inner rim of the glow picture over the control as a pattern.
    const BorderWidths w = ReducedBorderWidths(*mask, picture.Width(), picture.Height());
    for (int y = w.Top; y < picture.Height() - w.Bottom; ++y)
        for (int x = w.Left; x < picture.Width() - w.Right; ++x) picture.At(x, y) = 0;
    return picture;
}

int ShowGlow(TRect controlScreenRect, TRect visibleRect, const std::string& sectionName, TsSkinManager* skinManager,
             QWidget* anchorWindow, int alpha, int margin, const std::string& key) {
    if (!LayeredWindowsAvailable()) return -1;
    if (skinManager == nullptr) skinManager = TsSkinManager::DefaultManager();
    if (skinManager == nullptr) return -1;
    const SkinModel& model = skinManager->CommonSkinData();
    const int maskIndex = model.MaskIndexOf(sectionName, key + "0");
    if (maskIndex < 0) return -1;

    auto& list = GlowList();
    list.push_back(std::make_unique<GlowEffect>(skinManager, maskIndex, margin));
    const int handle = HandleBase + static_cast<int>(list.size()) - 1;
    GlowEffect& glow = *list.back();

    const GlowPlacement place = PlaceGlow(controlScreenRect, visibleRect,
                                          GlowBordersOf(model.Masks[static_cast<size_t>(maskIndex)]), margin);
    if (RectEmpty(place.Shown)) return handle;  // nothing of it would show
    const Bitmap32 whole = glow.PrepareBitmap(place.FullWidth, place.FullHeight);
    const Bitmap32 picture = whole.Copy(place.Shown.Left, place.Shown.Top, place.Shown.Right, place.Shown.Bottom);

    // As the anchor's own window it stays just above the anchor; above all when the anchor is.
    auto* window = new TLayeredWindow(anchorWindow != nullptr ? anchorWindow->window() : nullptr);
    window->setObjectName(QStringLiteral("GlowWindow"));
    glow.Wnd = window;
    if (anchorWindow != nullptr && anchorWindow->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        window->SetTopmost(true);
    window->move(place.Window.Left, place.Window.Top);
    window->UpdateLayered(picture, alpha);
    window->ShowWithoutActivation();
    return handle;
}

void RemoveGlow(int handle) {
    if (GlowAt(handle) == nullptr) return;
    GlowList()[static_cast<size_t>(handle - HandleBase)].reset();
}

void RemoveAllGlows() {
    auto& list = GlowList();
    // Taken out first: freeing a window may lead back here.
    std::vector<std::unique_ptr<GlowEffect>> glows;
    glows.swap(list);
    HandleBase += static_cast<int>(glows.size());
    for (auto& glow : glows)
        if (glow) ReleaseWindow(*glow, true);
}

const std::vector<std::unique_ptr<GlowEffect>>& Glows() { return GlowList(); }

TLayeredWindow* GlowWindow(int handle) {
    GlowEffect* glow = GlowAt(handle);
    return glow != nullptr ? glow->Wnd.data() : nullptr;
}

bool GlowsBlocked() { return GlowsBlockedNow; }
void SetGlowsBlocked(bool blocked) { GlowsBlockedNow = blocked; }
