// TsButton: properties, the platform button's keys, hover, press, focus and the skin commands.
#include "sButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QThread>
#include <QToolTip>

#include "skin/binding/ControlKinds.h"
#include "skin/effects/GlowEffect.h"
#include "skin/effects/sFade.h"
#include "platform/Application.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"

namespace {
// A focus change of a skinned button is under way: nested focus messages do not repaint.
bool FocusChanging = false;
// How long a quick click shows its complete pressed face before the release fades.
constexpr unsigned long kPressedFlashMs = 30;
// The fade's frame-ready command reaches the button as its drop-region command.
constexpr int AC_DROPREGION = AC_FRAMEREADY;
// While set, the pressed look is painted whatever the platform says (the quick click's flash).
bool ForcedPressed = false;
}  // namespace

TsButton::TsButton(QWidget* parent)
    : QPushButton(parent), SkinData(this, this, ckButton, true, QStringLiteral("BUTTON")) {
    setAutoDefault(false);
    // The skin's corners show the parent through.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    connect(this, &QPushButton::clicked, this, &TsButton::Pressed);
    connect(qApp, &QApplication::focusChanged, this, &TsButton::UpdateDefaultLook);
}

TsButton::~TsButton() {
    StopFade(FadeTimer_, SkinData);
}

// --- Properties -------------------------------------------------------------------------------------

void TsButton::SetCaption(const QString& caption) {
    if (caption == text()) return;
    setText(caption);
    SkinData.Invalidate();
}

void TsButton::SetDefault(bool value) {
    if (value == Default_) return;
    Default_ = value;
    WatchDialogKeys();
    UpdateDefaultLook();
}

void TsButton::SetCancel(bool value) {
    if (value == Cancel_) return;
    Cancel_ = value;
    WatchDialogKeys();
}

void TsButton::SetWordWrap(bool value) {
    if (value == WordWrap_) return;
    WordWrap_ = value;
    SkinData.Invalidate();
}

void TsButton::SetImages(std::shared_ptr<const TButtonImageList> images) {
    Images_ = std::move(images);
    SkinData.Invalidate();
}

void TsButton::SetImageAlignment(TImageAlignment value) {
    ImageAlignment_ = value;
    SkinData.Invalidate();
}

void TsButton::SetImageMargins(TImageMargins value) {
    ImageMargins_ = value;
    SkinData.Invalidate();
}

void TsButton::SetShowFocus(bool value) {
    if (value == ShowFocus_) return;
    ShowFocus_ = value;
    SkinData.Invalidate();
}

void TsButton::SetDisabledKind(TsDisabledKind value) {
    if (value == DisabledKind_) return;
    DisabledKind_ = value;
    SkinData.Invalidate();
}

void TsButton::SetDown(bool value) {
    if (value == Down_) return;
    Down_ = value;
    SkinData.Invalidate();
}

void TsButton::SetStyle(TButtonStyle value) {
    if (value == Style_) return;
    Style_ = value;
    SkinData.Invalidate();
}

void TsButton::SetDefaultLook(bool value) {
    if (value == DefaultLook_) return;
    DefaultLook_ = value;
    SkinData.Invalidate();
}

// --- State ------------------------------------------------------------------------------------------

int TsButton::ButtonState() const {
    if (Down_) return 2;
    const bool pushed = (isDown() && !Releasing_) || PressStarting_ || ForcedPressed;
    if (pushed && (underMouse() || SkinData.MouseOver || !QGuiApplication::mouseButtons().testFlag(Qt::LeftButton))) return 2;
    if (DefaultLook_ || SkinData.IsHot()) return 1;
    return 0;
}

void TsButton::UpdateDefaultLook() {
    QWidget* focus = window() != nullptr ? window()->focusWidget() : nullptr;
    const bool focused = focus == this && hasFocus();
    const bool otherButton = focus != nullptr && focus != this && qobject_cast<QAbstractButton*>(focus) != nullptr &&
                             focus->hasFocus();
    SetDefaultLook(focused || (Default_ && !otherButton));
}

void TsButton::WatchDialogKeys() {
    QWidget* form = window();
    const bool wanted = (Default_ || Cancel_) && form != nullptr && form != this;
    if (KeysWatched_ != nullptr && (!wanted || KeysWatched_ != form)) {
        KeysWatched_->removeEventFilter(this);
        KeysWatched_ = nullptr;
    }
    if (wanted && KeysWatched_ == nullptr) {
        form->installEventFilter(this);
        KeysWatched_ = form;
    }
}

bool TsButton::eventFilter(QObject* watched, QEvent* event) {
    // Enter and Escape that no control of the window took reach the window itself.
    if (watched == KeysWatched_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool escape = key->key() == Qt::Key_Escape;
        if (modifiers == Qt::NoModifier && ((enter && Default_) || (escape && Cancel_)) && isVisible() &&
            isEnabled() && !key->isAutoRepeat()) {
            click();
            return true;
        }
    }
    return QPushButton::eventFilter(watched, event);
}

void TsButton::Pressed() {
    if (ModalResult != mrNone) {
        if (auto* form = qobject_cast<TForm*>(window())) form->SetModalResult(ModalResult);
    }
    FireEvent(OnClick, this);
}

// --- Fades ------------------------------------------------------------------------------------------

bool TsButton::FadeRunning() const { return FadeTimer_ != nullptr && FadeTimer_->Enabled(); }

void TsButton::StopFading() { StopFade(FadeTimer_, SkinData); }

void TsButton::Animate(Transition transition) {
    const unsigned event = 1u << transition;  // the same bit in AnimatEvents and the manager's set
    bool fades = (AnimatEvents & event) != 0;
    if (!fades && (AnimatEvents & aeGlobalDef) != 0) {
        const TsSkinManager* manager = SkinData.EffectiveManager();
        fades = manager != nullptr && (manager->AnimEffects.Buttons.Events & event) != 0;
    }
    StartFade(FadeTimer_, SkinData, transition == teMouseDown || transition == teMouseUp, 1, fades);
}

// --- Events -----------------------------------------------------------------------------------------

void TsButton::MouseEntered(bool wasOver) {
    if (!isEnabled() || wasOver) return;
    if (!FireEvent(OnMouseEnter, this)) return;
    SkinData.MouseOver = true;
    if (SkinData.IsSkinned())
        Animate(teMouseEnter);
    else
        update();
}

void TsButton::MouseLeft() {
    if (!isEnabled()) return;
    if (!FireEvent(OnMouseLeave, this)) return;
    SkinData.MouseOver = false;
    if (SkinData.IsSkinned())
        Animate(teMouseLeave);
    else
        update();
}

void TsButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && SkinData.IsSkinned() && isEnabled()) {
        SkinData.PaintingSuspended = false;
        // A press hides the hint that hovering showed.
        QToolTip::hideText();
        PressedByMouse_ = true;
        if (!Down_) {
            SkinData.PaintingSuspended = SkinData.IsPaintingSuspended();
            // The platform marks the button pushed only after this: the new look is the pushed one.
            PressStarting_ = hitButton(event->position().toPoint());
            Animate(teMouseDown);
            PressStarting_ = false;
        }
    }
    QPushButton::mousePressEvent(event);
}

void TsButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && SkinData.IsSkinned() && isEnabled()) {
        if (!PressedByMouse_ || SkinData.Destroying()) return;
        PressedByMouse_ = false;
        if (FadeTimer_ != nullptr && FadeTimer_->Enabled() && FadeTimer_->FadeLevel <= FadeTimer_->Iterations) {
            // A click quicker than the press fade: the complete pressed face is seen for a moment.
            StopFading();
            SkinData.CacheInvalid = true;
            ForcedPressed = true;
            repaint();
            ForcedPressed = false;
            QThread::msleep(kPressedFlashMs);
        }
        SkinData.PaintingSuspended = false;
        // The platform releases the button only after this: the new look is the released one.
        Releasing_ = true;
        Animate(teMouseUp);
        Releasing_ = false;
    }
    QPushButton::mouseReleaseEvent(event);
}

void TsButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses a focused button, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TsButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) SkinData.CacheInvalid = true;
    QPushButton::keyReleaseEvent(event);
}

void TsButton::focusInEvent(QFocusEvent* event) {
    if (!isVisible() || !isEnabled() || SkinData.Destroying() || FocusChanging || !SkinData.IsSkinned()) {
        QPushButton::focusInEvent(event);
        return;
    }
    FocusChanging = true;
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    QPushButton::focusInEvent(event);
    setUpdatesEnabled(updates);
    FocusChanging = false;
    if (FadeRunning()) {
        FadeTimer_->Step();
    } else if (event->reason() == Qt::MouseFocusReason) {
        // The press that follows repaints; its fade starts from the look shown now.
        update();
    } else {
        SkinData.Invalidate();
    }
}

void TsButton::focusOutEvent(QFocusEvent* event) {
    if (isVisible() && isEnabled()) StopFading();
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    QPushButton::focusOutEvent(event);
    setUpdatesEnabled(updates);
    if (SkinData.IsSkinned()) {
        SkinData.Focused = false;
        SkinData.Invalidate();
        SkinData.EndGlow();
    }
}

void TsButton::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    // The platform's own down state ends with any release; this one only when cleared.
    if (ButtonState() == 2) {
        option->state |= QStyle::State_Sunken;
        option->state &= ~QStyle::State_Raised;
    }
    if (DefaultLook_) option->features |= QStyleOptionButton::DefaultButton;
    if (SkinData.MouseOver) option->state |= QStyle::State_MouseOver;
}

bool TsButton::HandleCommand(TNimbrelCommandEvent& command) {
    const bool ownManager = command.Manager() == SkinData.EffectiveManager();
    switch (command.Command()) {
        case AC_SETNEWSKIN:
            if (!ownManager) return false;
            StopFading();
            return SkinData.HandleSkinCommand(command);
        case AC_REMOVESKIN:
            if (!ownManager) return false;
            StopFading();
            SkinData.HandleSkinCommand(command);
            RegionState_ = RegionState::None;
            Region_ = QRegion();
            clearMask();
            update();
            return true;
        case AC_REFRESH:
            if (!ownManager) return false;
            StopFading();
            SkinData.HandleSkinCommand(command);
            if ((SkinData.SkinState & ssPrinting) == 0) update();
            return true;
        case AC_RESUME:
            if (SkinData.PaintingSuspended) {
                SkinData.PaintingSuspended = false;
                update();
            }
            return true;
        case AC_CTRLHANDLED: command.Result = 1; return true;
        case AC_SETURGENT:
            SkinData.HandleSkinCommand(command);
            if (SkinData.UrgentPainting && SkinData.IsSkinned()) RebuildCache();
            return true;
        case AC_STOPFADING: StopFading(); return true;
        case AC_PREPARECACHE:
            if (SkinData.IsSkinned()) RebuildCache();
            return true;
        case AC_DROPREGION:
            // Also each fade step: answering 0 lets the fade show its frame.
            if (RegionState_ == RegionState::Made) {
                RegionState_ = RegionState::None;
                Region_ = QRegion();
            }
            command.Result = 0;
            return true;
        default: return SkinData.HandleSkinCommand(command);
    }
}

bool TsButton::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) return HandleCommand(*command) || QPushButton::event(event);
    switch (event->type()) {
        case QEvent::Enter: {
            const bool wasOver = SkinData.MouseOver;
            SkinData.HandleCommonMessage(event);
            MouseEntered(wasOver);
            return QPushButton::event(event);
        }
        case QEvent::Leave:
            SkinData.HandleCommonMessage(event);
            MouseLeft();
            return QPushButton::event(event);
        case QEvent::Move: {
            SkinData.HandleCommonMessage(event);
            // A see-through face shows another part of the parent.
            const TsGeneralData* section = SkinData.Section();
            if (section != nullptr && SkinData.IsSkinned() &&
                (section->Props[0].Transparency > 0 || (section->Props[1].Transparency > 0 && ButtonState() != 0))) {
                SkinData.CacheInvalid = true;
                update();
            }
            return QPushButton::event(event);
        }
        case QEvent::Resize:
            SkinData.HandleCommonMessage(event);
            RemoveAllGlows();
            return QPushButton::event(event);
        case QEvent::FocusIn: {
            const bool invalid = SkinData.CacheInvalid;
            SkinData.HandleCommonMessage(event);
            // Focus by a click: the press follows at once and fades from the look shown now.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) SkinData.CacheInvalid = invalid;
            return QPushButton::event(event);
        }
        case QEvent::ParentChange:
            WatchDialogKeys();
            return QPushButton::event(event);
        case QEvent::ToolTip:
            // No hint while the button is held.
            if (PressedByMouse_) return true;
            break;
        default: break;
    }
    SkinData.HandleCommonMessage(event);
    const bool handled = QPushButton::event(event);
    switch (event->type()) {
        case QEvent::WindowDeactivate:
            // The window lost the mouse's attention (a modal window or a menu took it).
            SkinData.EndGlow();
            break;
        case QEvent::FontChange:
        case QEvent::EnabledChange:
            if (isVisible()) {
                SkinData.PaintingSuspended = false;
                SkinData.Invalidate();
            }
            break;
        default: break;
    }
    return handled;
}
