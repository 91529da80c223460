// TsCommonData::HandleCommonMessage: hover, focus, enabled, move, resize, visibility and children.
#include <QChildEvent>
#include <QEvent>
#include <QWidget>

#include "ControlKinds.h"
#include "platform/Anchors.h"
#include "skin/manager/SkinCommands.h"
#include "sCommonData.h"
#include "skin/manager/sSkinManager.h"

namespace {
bool EditLikeWithStates(const TsCommonData& data) {
    const TsGeneralData* section = data.Section();
    return IsEditLikeKind(data.ControlKind) && section != nullptr && section->States > 1;
}

// The glow follows the hover state of controls that do not start it themselves.
bool GlowsOnHover(int kind) { return !IsNoGlowKind(kind) && !IsSelfGlowingKind(kind); }
}  // namespace

void TsCommonData::MouseEntered() {
    if (!IsSkinned()) return;
    // Speed buttons among the children that still think the mouse is over them hear that it left.
    if (OwnerControl != nullptr)
        for (QWidget* child : OwnerControl->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            TsCommonData* data = SkinDataOf(child);
            if (data != nullptr && data != this && data->ControlKind == ckSpeedButton && data->MouseOver)
                data->MouseLeft();
        }
    if (!IsNoHoverKind(ControlKind)) MouseOver = true;
    if (TsSkinManager* manager = EffectiveManager()) manager->SetActiveControl(OwnerControl);
    if (GlowsOnHover(ControlKind)) UpdateGlow(false);
    if (EditLikeWithStates(*this)) {
        CacheInvalid = true;
        // The frame of an edit is part of the widget: its repaint is the widget's.
        if (OwnerControl != nullptr) OwnerControl->update();
    }
}

void TsCommonData::MouseLeft() {
    if (!IsSkinned()) return;
    if (!IsNoHoverKind(ControlKind)) MouseOver = false;
    if (GlowsOnHover(ControlKind)) EndGlow();
    if (IsEditLikeKind(ControlKind) && OwnerControl != nullptr && OwnerControl->isVisible()) {
        CacheInvalid = true;
        OwnerControl->update();
    }
}

bool TsCommonData::HandleCommonMessage(QEvent* event) {
    if (event == nullptr || OwnerControl == nullptr || Destroying_) return false;
    QWidget* owner = OwnerControl;
    switch (event->type()) {
        case QEvent::Enter: MouseEntered(); break;
        case QEvent::Leave: MouseLeft(); break;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Only a windowed control that takes the focus by tab follows it.
            if (Windowless || !(owner->focusPolicy() & Qt::TabFocus)) break;
            const bool in = event->type() == QEvent::FocusIn;
            CacheInvalid = true;
            Focused = in;
            if (in ? IsSkinned() && EditLikeWithStates(*this) : IsEditLikeKind(ControlKind) && owner->isVisible())
                owner->update();
            break;
        }
        case QEvent::EnabledChange:
            MouseOver = false;
            Focused = false;
            if (!owner->isEnabled()) EndGlow();
            break;
        case QEvent::Move:
            if (ShowsParentOnMove()) {
                CacheInvalid = true;
                SendNimbrelCommand(owner, MakeNimbrelParam(AC_INVALIDATECHILDREN, 1));
                EndGlow();
            }
            break;
        case QEvent::Resize:
            if (!IsSkinned()) break;
            CacheInvalid = true;
            // Children keeping their place to the left and top stand on another part of a gradient now.
            if (!Windowless && (BackgroundKind & bkGradientMask) != 0) {
                for (QObject* object : owner->children()) {
                    if (!object->isWidgetType()) continue;
                    auto* child = static_cast<QWidget*>(object);
                    if (child->isWindow() || (AnchorsOf(child) & (akRight | akBottom))) continue;
                    SendNimbrelCommand(child, MakeNimbrelParam(AC_INVALIDATECHILDREN, 1));
                }
            }
            EndGlow();
            break;
        case QEvent::ContextMenu:
            // The controls of this program have no popup menus of their own to skin.
            break;
        case QEvent::Show:
            PaintingSuspended = false;
            CacheInvalid = true;
            break;
        case QEvent::Hide:
            // The picture's memory is given back while the control is hidden.
            if (CacheBitmap) *CacheBitmap = Bitmap32();
            break;
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved: {
            auto* child = static_cast<QChildEvent*>(event)->child();
            if (child != nullptr && child->isWidgetType() && owner->window() != owner)
                SendNimbrelCommand(owner->window(), MakeNimbrelParam(AC_REGISTERCONTROL),
                                   reinterpret_cast<intptr_t>(owner));
            break;
        }
        default: break;
    }
    return false;
}

bool HandleSkinEvent(TsCommonData& data, QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) return data.HandleSkinCommand(*command);
    return data.HandleCommonMessage(event);
}
