// TsCommonData::HandleSkinCommand: the binding's reactions to the skin command message.
#include <QLabel>
#include <QWidget>

#include "ControlKinds.h"
#include "ParentBackground.h"
#include "SkinnedControl.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SystemMetrics.h"
#include "sCommonData.h"
#include "skin/manager/sSkinManager.h"

namespace {
// Children that are controls of the owner (not owned windows), in creation order.
QList<QWidget*> ChildControls(QWidget* owner) {
    QList<QWidget*> result;
    if (owner == nullptr) return result;
    for (QObject* child : owner->children())
        if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow()) result << static_cast<QWidget*>(child);
    return result;
}
}  // namespace

bool TsCommonData::HandleSkinCommand(TNimbrelCommandEvent& command) {
    const int arg = command.Argument();
    switch (command.Command()) {
        case AC_SETNEWSKIN:
            if (command.Manager() != EffectiveManager()) return false;
            ResolveSkinIndexes();
            return true;
        case AC_REMOVESKIN: {
            if (command.Manager() != EffectiveManager()) return false;
            if (SkinManager_ && SkinManager_->Destroying()) SkinManager_ = nullptr;
            SectionIndex = BorderMaskIndex = PatternIndex = HotPatternIndex = -1;
            PaintingSuspended = true;
            if (CacheBitmap) *CacheBitmap = Bitmap32();
            EndGlow();
            if (IsEditLikeKind(ControlKind) && Control_ != nullptr) {
                if (!CustomColor_) Control_->SetOwnerColor(clWindow);
                if (!CustomFont_) Control_->SetOwnerFontColor(clWindowText);
                if (OwnerControl != nullptr) OwnerControl->update();
            }
            // A container's plain labels get the platform's text colour back.
            if (!Windowless && IsContainerKind(ControlKind)) {
                for (QWidget* child : ChildControls(OwnerControl)) {
                    auto* label = qobject_cast<QLabel*>(child);
                    if (label == nullptr || SkinDataOf(label) != nullptr) continue;
                    QPalette palette = label->palette();
                    palette.setColor(QPalette::WindowText, ToQColor(clWindowText));
                    label->setPalette(palette);
                }
            }
            return true;
        }
        case AC_REFRESH:
            if (command.Manager() != EffectiveManager()) return false;
            CacheInvalid = true;
            PaintingSuspended = false;
            UpdateSkinColors(true);
            RecomputeSkinState();
            return true;
        case AC_CTRLHANDLED: command.Result = 1; return true;
        case AC_SETSUSPENDED: PaintingSuspended = arg == 1; return true;
        case AC_SETURGENT: UrgentPainting = arg == 1; return true;
        case AC_ISSUSPENDED: command.Result = CacheInvalid || PaintingSuspended; return true;
        case AC_ISPARTLYVISIBLE: command.Result = PartlyVisible; return true;
        case AC_SECTIONCHANGED: {
            const auto* name = command.Data<const QString>();
            if (name != nullptr && SkinSection_.toUpper() == *name) Invalidate();
            return true;
        }
        case AC_SETSECTION:
            if (const auto* name = command.Data<const QString>()) SetSkinSection(*name);
            return true;
        case AC_INVALIDATE: CacheInvalid = true; return true;
        case AC_DEPENDSONPOSITION: {
            const TsGeneralData* section = Section();
            QWidget* parent = OwnerControl != nullptr ? OwnerControl->parentWidget() : nullptr;
            if (section != nullptr && IsSkinned() && section->Props[0].Transparency >= 100 && parent != nullptr) {
                command.Result = SendNimbrelCommand(parent, MakeNimbrelParam(AC_DEPENDSONPOSITION));
            } else {
                const bool filled = section != nullptr && IsSkinned() &&
                                    section->Props[0].GradientPercent + section->Props[0].ImagePercent > 0;
                command.Result = filled || ShowsParentOnMove();
            }
            return true;
        }
        case AC_INVALIDATECHILDREN: {
            const bool showsParent = ShowsParentOnMove();
            CacheInvalid = CacheInvalid || showsParent;
            // "Redrawn with children, no erase": an update of the widget repaints its children too.
            if (arg == 1 && OwnerControl != nullptr) OwnerControl->update();
            if (showsParent)
                for (QWidget* child : ChildControls(OwnerControl))
                    SendNimbrelCommand(child, MakeNimbrelParam(AC_INVALIDATECHILDREN, 0));
            return true;
        }
        case AC_GETBGCOLOR: command.Result = static_cast<intptr_t>(BackgroundColorAnswer(*this)); return true;
        case AC_MARKPARTLYVISIBLE: PartlyVisible = true; return true;
        case AC_GETSECTIONINDEX:
            if (int* index = command.Data<int>()) *index = SectionIndex;
            return true;
        case AC_GETBACKGROUND:
            if (auto* request = command.Data<BackgroundRequest>()) AnswerGetBackground(*this, *request, arg);
            return true;
        case AC_SKINSTATE:
            if (arg == 1) {
                RecomputeSkinState();
                if (!Windowless)
                    for (QWidget* child : ChildControls(OwnerControl))
                        SendNimbrelCommand(child, MakeNimbrelParam(AC_SKINSTATE, 1));
            } else {
                command.Result = SkinState;
            }
            return true;
        case AC_PRINTTARGET:
            PrintTarget = command.Data<TDrawTarget>();
            if (PrintTarget != nullptr)
                SkinState |= ssPrinting;
            else
                SkinState &= static_cast<uint16_t>(~ssPrinting);
            return true;
        default: return false;
    }
}
