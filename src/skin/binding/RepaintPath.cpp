// The common repaint path: held-off painting, the out-of-date rule, the rebuild and the copy.
#include "RepaintPath.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "ControlKinds.h"
#include "SkinnedControl.h"
#include "platform/BitmapView.h"
#include "skin/manager/SkinCommands.h"
#include "sCommonData.h"
#include "skin/paint/PaintPattern.h"
#include "skin/paint/PixelBlends.h"

namespace {
bool IsMaskedPattern(const SkinModel& model, int index) {
    const TsMaskData* mask = model.MaskAt(index);
    return mask != nullptr && mask->MaskLayout != 0;
}

// Whether painting the face can read the parent background at all: a section that is opaque in the
// state, without a frame or masked patterns, on an enabled control never asks the parent.
bool NeedsParentBackground(const TsCommonData& data, int state, bool blendedDisabled) {
    const TsGeneralData* section = data.Section();
    const SkinModel* model = data.Model();
    if (section == nullptr || model == nullptr) return false;
    const int set = state > 0 && section->States > 1 ? 1 : 0;
    return section->Props[static_cast<size_t>(set)].Transparency != 0 || data.BorderMaskIndex >= 0 ||
           IsMaskedPattern(*model, data.PatternIndex) || IsMaskedPattern(*model, data.HotPatternIndex) ||
           blendedDisabled;
}
}  // namespace

void RebuildSkinCache(TsSkinnedControl& control) {
    TsCommonData& data = control.SkinBinding();
    QWidget* owner = data.OwnerControl;
    if (owner == nullptr) return;
    data.EnsureCache();
    Bitmap32& cache = *data.CacheBitmap;
    const int state = control.PaintState();
    const bool disabled = !owner->isEnabled();
    const TsDisabledKind disabledKind = control.DisabledKind();
    BackgroundInfo bg;
    bg.FillColor = data.EffectiveBackgroundColor(0);
    if (NeedsParentBackground(data, state, disabled && (disabledKind & dkBlended))) data.ParentBackgroundFor(bg);
    control.PaintFace(cache, bg, state);
    if (!cache.Empty()) {
        QImage view = BitmapView(cache);
        QPainter painter(&view);
        painter.setFont(owner->font());
        control.PaintContent(cache, painter, state);
    }
    if (disabled && disabledKind != 0) {
        QWidget* parent = owner->parentWidget();
        ApplyDisabledLook(cache, disabledKind, parent != nullptr ? ControlColorOf(parent) : clBtnFace,
                          {owner->x(), owner->y()}, bg);
    }
    data.CacheInvalid = control.KeepsCacheInvalid();
}

bool OpenSkinnedPaint(TsCommonData& data, bool printing, bool* outOfDate) {
    QWidget* owner = data.OwnerControl;
    if (owner == nullptr) return false;
    data.PaintingSuspended = data.IsPaintingSuspended();
    if (data.PaintingSuspended || (TsCommonData::GlobalPaintingOff() && !printing)) return false;
    QWidget* parent = owner->parentWidget();
    if (outOfDate != nullptr) {
        *outOfDate = data.CacheInvalid || data.PartlyVisible || !data.CacheBitmap;
        if (!*outOfDate && parent != nullptr)
            *outOfDate = SendNimbrelCommand(parent, MakeNimbrelParam(AC_ISPARTLYVISIBLE)) != 0;
    }
    data.PartlyVisible = parent != nullptr && !parent->rect().contains(owner->geometry());
    return true;
}

bool PrepareSkinnedPaint(TsSkinnedControl& control) {
    TsCommonData& data = control.SkinBinding();
    bool outOfDate = false;
    if (!OpenSkinnedPaint(data, false, &outOfDate)) return false;
    const int state = control.PaintState();
    if (outOfDate && !(data.UrgentPainting && IsEditLikeKind(data.ControlKind))) RebuildSkinCache(control);
    data.RefreshCorners(state);
    return data.CacheBitmap != nullptr;
}

void CopyCacheToWidget(QWidget* widget, const Bitmap32& cache, const QRegion& region) {
    if (widget == nullptr || cache.Empty()) return;
    QPainter painter(widget);
    painter.setClipRegion(region.isEmpty() ? QRegion(widget->rect()) : region);
    painter.drawImage(0, 0, BitmapView(cache));
}

bool PaintSkinnedControl(TsSkinnedControl& control, QPaintEvent* event) {
    TsCommonData& data = control.SkinBinding();
    if (!data.IsSkinned()) return false;
    if (data.AnimationFrame != nullptr) {
        // A fade runs: its frame stands for the cache, which already holds the new look.
        if (!TsCommonData::GlobalPaintingOff())
            CopyCacheToWidget(data.OwnerControl, *data.AnimationFrame, event != nullptr ? event->region() : QRegion());
        return true;
    }
    if (PrepareSkinnedPaint(control))
        CopyCacheToWidget(data.OwnerControl, *data.CacheBitmap, event != nullptr ? event->region() : QRegion());
    return true;
}
