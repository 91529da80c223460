// TsSkinProvider: set-up, properties, the form's frame mode, activation, skin commands and window animations.
#include "sSkinProvider.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include "CaptionCover.h"
#include "WindowAnimation.h"
#include "platform/Application.h"
#include "platform/DesktopEffects.h"
#include "platform/Forms.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SysCommands.h"
#include "sSystemMenu.h"
#include "skin/manager/sSkinManager.h"

namespace {

void RegisterProviderForm(QWidget* form) {
    auto& forms = TsSkinManager::ProviderForms();
    for (const auto& known : forms)
        if (known == form) return;
    forms.emplace_back(form);
}

void UnregisterProviderForm(const QWidget* form) {
    auto& forms = TsSkinManager::ProviderForms();
    forms.erase(std::remove_if(forms.begin(), forms.end(),
                               [form](const QPointer<QWidget>& f) { return f.isNull() || f.data() == form; }),
                forms.end());
}

TFrameWindowState StateOf(const QWidget* window) {
    if (window->isMinimized()) return TFrameWindowState::Minimized;
    if (window->isMaximized()) return TFrameWindowState::Maximized;
    return TFrameWindowState::Normal;
}

}  // namespace

TsSkinProvider::TsSkinProvider(TForm* form) : TsSkinProvider(form, false) {}

TsSkinProvider::TsSkinProvider(TForm* form, bool runTime)
    : TSkinnedFrame(form, QStringLiteral("FORM"), form), Form_(form) {
    RunTimeCreated = runTime;
    setObjectName(QStringLiteral("SkinProvider"));
    if (RunTimeCreated) {
        SetUseGlobalColor(false);
        MakeSkinMenu = false;
    }
    Setup();
}

TsSkinProvider* TsSkinProvider::CreateAtRunTime(TForm* form) {
    if (form == nullptr) return nullptr;
    auto* provider = new TsSkinProvider(form, true);
    // The form shows its new frame and all its children at once.
    form->update();
    return provider;
}

TsSkinProvider* TsSkinProvider::ProviderOf(QWidget* form) {
    if (form == nullptr) return nullptr;
    return reinterpret_cast<TsSkinProvider*>(SendNimbrelCommand(form, MakeNimbrelParam(AC_GETPROVIDER)));
}

TsSkinProvider::~TsSkinProvider() {
    Animation_.reset();
    delete SystemMenu_.data();
    if (Form_ != nullptr) {
        UnregisterProviderForm(Form_);
        Unhook();
        // A provider that goes before its form gives the platform's frame back.
        if (!Form_->Destroying() && FrameApplied()) ApplyFrameMode(false);
    }
}

void TsSkinProvider::Setup() {
    if (Form_ == nullptr || SetUp_) return;
    SetUp_ = true;
    Hook();
    FormActive = true;
    HadSystemMenu = Form_->BorderStyle() != TFormBorderStyle::bsNone && (Form_->BorderIcons() & biSystemMenu);
    SystemMenu_ = new TsSystemMenu(Form_, Layout, Form_);
    if (TsSkinManager* manager = SkinData().SkinManager())
        Form_->setProperty(TsSkinManager::kProviderManagerProperty, QVariant::fromValue(static_cast<QObject*>(manager)));
    UpdateSkinState();
    ApplyGlobalColor();
    RegisterProviderForm(Form_);
}

// --- Properties --------------------------------------------------------------------------------------

void TsSkinProvider::SetCaptionAlignment(TAlignment alignment) {
    CaptionAlignment_ = alignment;
    InvalidateFrame();
}

void TsSkinProvider::SetDrawNonClientArea(bool value) {
    if (DrawNonClientArea_ == value) return;
    DrawNonClientArea_ = value;
    if (!SetUp_) return;
    HotCode = 0;
    UpdateSkinState();
    UpdateWindowRegion();
    InvalidateFrame();
}

void TsSkinProvider::SetGripMode(TsGripMode mode) {
    GripMode_ = mode;
    UpdateLayout();
    InvalidateFrame();
}

void TsSkinProvider::SetSkinSection(const QString& section) {
    SkinData().SetSkinSection(section);
    if (!SetUp_) return;
    // The new section may lack in the skin (the platform's frame comes back) or change the corners.
    UpdateSkinState();
    ApplyGlobalColor();
    UpdateWindowRegion();
    InvalidateFrame();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
    ShowAppIcon_ = value;
    UpdateLayout();
    InvalidateFrame();
}

void TsSkinProvider::SetUseGlobalColor(bool value) {
    UseGlobalColor_ = value;
    ApplyGlobalColor();
}

void TsSkinProvider::ApplyGlobalColor() {
    if (Form_ == nullptr) return;
    const SkinModel* model = Model();
    const bool skinned = SkinData().IsSkinned() && model != nullptr;
    if (UseGlobalColor_ && skinned && !SkinData().CustomColor())
        Form_->SetColor(model->GlobalBackColor());
    else if (!UseGlobalColor_ || !skinned)
        Form_->SetColor(clBtnFace);  // without a skin the form is button face again
}

// --- The frame ---------------------------------------------------------------------------------------

bool TsSkinProvider::DrawsFrame() const { return DrawNonClientArea_ && TSkinnedFrame::DrawsFrame(); }

QString TsSkinProvider::TitleSkinName() const { return TitleSkin_.isEmpty() ? QStringLiteral("FORMTITLE") : TitleSkin_; }

QWidget* TsSkinProvider::ClientWidget() const { return Form_ != nullptr ? Form_->Client() : nullptr; }

bool TsSkinProvider::IsMainForm() const {
    const TApplication* app = TApplication::Instance();
    return app != nullptr && Form_ != nullptr && app->MainForm() == Form_;
}

TFrameWindowInfo TsSkinProvider::WindowInfo() const {
    TFrameWindowInfo info;
    if (Form_ == nullptr) return info;
    info.BorderStyle = Form_->BorderStyle();
    info.BorderIcons = Form_->BorderIcons();
    StyleFromBorderStyle(info);
    info.State = StateOf(Form_);
    info.HasSystemMenu = HadSystemMenu;
    info.ShowAppIcon = ShowAppIcon_;
    info.TitleIconWidth = TitleIcon_.Width;
    info.TitleIconHeight = TitleIcon_.Height;
    info.MaxConstraints = Form_->maximumWidth() < QWIDGETSIZE_MAX || Form_->maximumHeight() < QWIDGETSIZE_MAX;
    info.GripShown = GripMode_ == TsGripMode::gmRightBottom && info.ThickFrame && info.State != TFrameWindowState::Maximized;
    // The window's size with the frame drawn: the client keeps its size.
    const int b = FrameBorderWidth(info), c = FrameCaptionHeight(info);
    const QWidget* client = Form_->Client();
    info.Width = client->width() + 2 * b;
    info.Height = client->height() + 2 * b + c;
    return info;
}

std::vector<TUserButtonInfo> TsSkinProvider::UserButtonInfos() const {
    std::vector<TUserButtonInfo> infos;
    for (const TsTitleButton& button : TitleButtons_) infos.push_back({button.Visible, button.Enabled});
    return infos;
}

void TsSkinProvider::ApplyFrameMode(bool drawn) {
    if (Form_ == nullptr) return;
    if (drawn) {
        UpdateLayout();
        const int b = Layout.BorderWidth;
        Form_->SetDrawnFrame(QMargins(b, Layout.NonClientTop(), b, b));
        SetFrameApplied(true);
        UpdateWindowRegion();
    } else {
        Form_->SetDrawnFrame(std::nullopt);
        Form_->clearMask();
        SetFrameApplied(false);
    }
}

// --- Events ------------------------------------------------------------------------------------------

bool TsSkinProvider::SkinCommand(TNimbrelCommandEvent& command) {
    switch (command.Command()) {
        case AC_GETPROVIDER: command.Result = reinterpret_cast<intptr_t>(this); return true;
        case AC_CTRLHANDLED: command.Result = 1; return true;
        default: break;
    }
    const bool handled = TSkinnedFrame::SkinCommand(command);
    if (command.Command() == AC_SETNEWSKIN || command.Command() == AC_REFRESH || command.Command() == AC_REMOVESKIN)
        ApplyGlobalColor();
    return handled;
}

void TsSkinProvider::ActivationChanged(QEvent* event) {
    const bool animating = Animation_ != nullptr;
    if (RunTimeCreated || animating) {
        // The window does not redraw during its own handling; then it is redrawn with its children.
        Form_->setUpdatesEnabled(false);
        CallDefault(event);
        Form_->setUpdatesEnabled(true);
    } else {
        // A provider placed on the form hides the title band under a cover meanwhile.
        TCaptionCover cover(*this);
        cover.ShowCover();
        CallDefault(event);
    }
    if (!animating) Form_->update();
}

void TsSkinProvider::ShowSystemMenu(QPoint globalPos) {
    if (SystemMenu_ != nullptr && HadSystemMenu) SystemMenu_->ShowAt(globalPos);
}

void TsSkinProvider::UpdateSystemMenu() {
    UpdateLayout();
    if (SystemMenu_ != nullptr) SystemMenu_->UpdateItems();
}

void TsSkinProvider::CloseWindow() {
    if (Form_ != nullptr) Form_->Close();
}

void TsSkinProvider::UserButtonDown(int index) {
    if (index >= 0 && index < static_cast<int>(TitleButtons_.size()))
        FireEvent(TitleButtons_[static_cast<size_t>(index)].OnMouseDown, this, index);
}

void TsSkinProvider::UserButtonUp(int index) {
    if (index >= 0 && index < static_cast<int>(TitleButtons_.size()))
        FireEvent(TitleButtons_[static_cast<size_t>(index)].OnMouseUp, this, index);
}

bool TsSkinProvider::SnapsToScreen(int& buffer) const {
    buffer = SnapBuffer;
    return ScreenSnap && Form_ != nullptr && Form_->isVisible() && !Form_->isMinimized();
}

void TsSkinProvider::MovingChanged(bool moving) {
    const TsSkinManager* manager = Manager();
    if (manager == nullptr || !manager->AnimEffects.BlendOnMoving.Active || !AllowBlendOnMoving ||
        !LayeredWindowsAvailable())
        return;
    // The window is moved semi-transparently.
    if (moving) {
        OpacityBeforeMove_ = Form_->windowOpacity();
        Form_->setWindowOpacity(manager->AnimEffects.BlendOnMoving.BlendValue / 255.0);
    } else {
        Form_->setWindowOpacity(OpacityBeforeMove_);
    }
}

// --- Window animations -------------------------------------------------------------------------------

bool TsSkinProvider::MinimizeAnimationAllowed() const {
    const TsSkinManager* manager = Manager();
    return manager != nullptr && manager->AnimEffects.Minimizing.Active && manager->AnimEffects.Minimizing.Time >= 12 &&
           DrawsFrame() && LayeredWindowsAvailable() && Form_ != nullptr && Form_->isVisible();
}

void TsSkinProvider::StartWindowAnimation(bool minimizing) {
    const TsSkinManager* manager = Manager();
    Animation_ = std::make_unique<TWindowAnimation>(*Form_, manager->AnimEffects.Minimizing.Time, minimizing);
    Animation_->OnFinished = [this] {
        // The animation goes after its last tick has returned.
        QMetaObject::invokeMethod(this, [this] {
            Animation_.reset();
            FireEvent(OnAfterAnimation, this);
        }, Qt::QueuedConnection);
    };
    Animation_->Start();
}

void TsSkinProvider::SysCommand(TSysCommandEvent& command) {
    TSkinnedFrame::SysCommand(command);
    if (command.Command == SC_MINIMIZE && !Form_->isMinimized() && Animation_ == nullptr && MinimizeAnimationAllowed()) {
        command.Handled = true;
        StartWindowAnimation(true);
    }
}

bool TsSkinProvider::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Form_ && event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool restored = (change->oldState() & Qt::WindowMinimized) && !Form_->isMinimized();
        if (restored && Animation_ == nullptr && MinimizeAnimationAllowed()) StartWindowAnimation(false);
    }
    return TSkinnedFrame::eventFilter(watched, event);
}
