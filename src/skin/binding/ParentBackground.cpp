// QueryParentBackground and the answer to the get-background command.
#include "ParentBackground.h"

#include <QPainter>
#include <QWidget>

#include "core/SystemColors.h"
#include "platform/BitmapView.h"
#include "skin/manager/SkinCommands.h"
#include "sCommonData.h"
#include "skin/paint/PaintPattern.h"
#include "skin/paint/PixelBlends.h"

namespace {
// The target's rectangle for Area, in bitmap coordinates.
TRect TargetRect(const BackgroundRequest& request) {
    const TPoint origin = request.TargetDC->Origin;
    return {request.Area.Left + origin.X, request.Area.Top + origin.Y, request.Area.Right + origin.X,
            request.Area.Bottom + origin.Y};
}

bool HasTarget(const BackgroundRequest& request) {
    return request.TargetDC != nullptr && request.TargetDC->Bitmap != nullptr && !RectEmpty(request.Area);
}
}  // namespace

void QueryParentBackground(BackgroundRequest& request, QWidget* parent, bool fillTarget, int state) {
    request.Kind = 0;
    request.FillTarget = fillTarget;
    if (parent == nullptr) return;
    SendNimbrelCommand(parent, MakeNimbrelParam(AC_GETBACKGROUND, state), reinterpret_cast<intptr_t>(&request));
    if (request.Kind != 0) return;
    if (fillTarget) {
        // The parent paints itself (background and own painting, no children) into the target: the
        // erase and paint messages of a device context become a render of the parent's area.
        if (!HasTarget(request)) return;
        QImage view = BitmapView(*request.TargetDC->Bitmap);
        QPainter painter(&view);
        const TRect target = TargetRect(request);
        const QRect source(request.Area.Left + request.OffsetX, request.Area.Top + request.OffsetY,
                           request.Area.Width(), request.Area.Height());
        parent->render(&painter, QPoint(target.Left, target.Top), QRegion(source), QWidget::DrawWindowBackground);
        return;
    }
    request.Kind = 1;
    const auto answer = static_cast<TColor>(SendNimbrelCommand(parent, MakeNimbrelParam(AC_GETBGCOLOR)));
    request.Color = answer != 0 ? answer : ColorToRGB(ControlColorOf(parent));
}

void AnswerGetBackground(TsCommonData& data, BackgroundRequest& request, int state) {
    const TsGeneralData* section = data.Section();
    if (section == nullptr || !data.IsSkinned() || data.CustomColor()) {
        request.Kind = 1;
        request.Color = data.OwnerColor();
        return;
    }
    const TsGenState& set = section->Props[state != 0 ? 1 : 0];
    const int t = set.Transparency, g = set.GradientPercent, i = set.ImagePercent;
    if (t == 0 && g <= 0 && i < 1) {
        request.Kind = 1;
        request.Color = data.EffectiveBackgroundColor(state);
        if (request.FillTarget && HasTarget(request))
            FillRectColor(*request.TargetDC->Bitmap, TargetRect(request), request.Color);
        return;
    }
    const Bitmap32* cache = data.CacheBitmap.get();
    if (t == 0) {
        if (cache == nullptr) {
            request.Kind = 1;
            request.Color = clFuchsia;
            return;
        }
        request.Color = data.Model()->GlobalBackColor();
    } else if (t >= 100 && (cache == nullptr || data.CacheInvalid || (data.SkinState & ssPlainBackground))) {
        // No picture of its own to show: the question goes on to the control's own parent.
        QWidget* owner = data.OwnerControl;
        QWidget* parent = owner != nullptr ? owner->parentWidget() : nullptr;
        if (parent == nullptr) {
            request.Kind = 1;
            request.Color = data.Model()->GlobalBackColor();
            return;
        }
        if (request.FillTarget) {
            request.OffsetX += owner->x();
            request.OffsetY += owner->y();
        }
        QueryParentBackground(request, parent, request.FillTarget, state);
        if (request.Kind == 2 && !request.FillTarget) {
            request.OffsetX += owner->x();
            request.OffsetY += owner->y();
        }
        return;
    } else if (cache == nullptr) {
        request.Kind = 1;
        request.Color = clFuchsia;
        return;
    }
    request.Kind = 2;
    if (request.FillTarget) {
        if (HasTarget(request)) {
            const TRect target = TargetRect(request);
            CopyPixels(*request.TargetDC->Bitmap, target.Left, target.Top, *cache, request.Area.Left + request.OffsetX,
                       request.Area.Top + request.OffsetY, request.Area.Width(), request.Area.Height());
        }
        return;
    }
    request.Bitmap = cache;
    request.OffsetX = 0;
    request.OffsetY = 0;
}
