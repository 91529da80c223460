// The defaults of a skinned control's painting side.
#include "SkinnedControl.h"

#include <QWidget>

#include "platform/SystemMetrics.h"
#include "sCommonData.h"

TColor TsSkinnedControl::OwnerColor() const {
    const QWidget* owner = SkinBinding().OwnerControl;
    return owner != nullptr ? FromQColor(owner->palette().color(owner->backgroundRole())) : clBtnFace;
}

void TsSkinnedControl::SetOwnerColor(TColor) {}

TColor TsSkinnedControl::OwnerFontColor() const {
    const QWidget* owner = SkinBinding().OwnerControl;
    return owner != nullptr ? FromQColor(owner->palette().color(owner->foregroundRole())) : clWindowText;
}

void TsSkinnedControl::SetOwnerFontColor(TColor) {}

int TsSkinnedControl::PaintState() { return SkinBinding().IsHot() ? 1 : 0; }

void TsSkinnedControl::PaintFace(Bitmap32& cache, const BackgroundInfo& bg, int state) {
    const TsCommonData& data = SkinBinding();
    const QWidget* owner = data.OwnerControl;
    const TPoint offset = owner != nullptr ? TPoint{owner->x(), owner->y()} : TPoint{};
    PaintControlFace(data, bg, state, cache, offset, {0, 0, cache.Width(), cache.Height()});
}

void TsSkinnedControl::PaintContent(Bitmap32&, QPainter&, int) {}
