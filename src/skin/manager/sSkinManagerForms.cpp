// TsSkinManager: what a skin change does to the windows: the refresh with its freezing and
// releasing of the forms, and the shadow border pictures of extended borders.
#include "sSkinManager.h"

#include <algorithm>

#include <QApplication>

#include "platform/Application.h"
#include "platform/DesktopEffects.h"
#include "platform/Forms.h"
#include "platform/UpwardHooks.h"
#include "skin/manager/SkinCommands.h"

namespace {
bool Animating = false;

bool ApplicationMinimized() {
    const TApplication* app = TApplication::Instance();
    const TForm* mainForm = app != nullptr ? app->MainForm() : nullptr;
    return mainForm != nullptr && mainForm->isMinimized();
}
}  // namespace

bool TsSkinManager::AnimatingSkinChange() { return Animating; }

// --- Refresh -----------------------------------------------------------------------------------------

void TsSkinManager::RefreshSkin(bool animate) {
    BroadcastCommand(MakeNimbrelParam(AC_STOPFADING));
    if (Loading_) {
        BroadcastCommand(MakeNimbrelParam(AC_REFRESH));
        return;
    }
    const std::vector<FrozenForm> frozen = animate ? FreezeForms() : std::vector<FrozenForm>();
    BroadcastCommand(MakeNimbrelParam(AC_REFRESH));
    ReleaseForms(frozen);
    for (const auto& window : HookedWindows())
        if (window && window->isVisible()) window->update();
}

std::vector<QWidget*> TsSkinManager::FormsToFreeze() const {
    std::vector<QWidget*> forms;
    if (ApplicationMinimized()) return forms;
    for (const QPointer<QWidget>& form : ProviderForms()) {
        if (!form || !form->isWindow() || !form->isVisible() || form->isMinimized()) continue;
        QObject* manager = form->property(kProviderManagerProperty).value<QObject*>();
        if ((manager != nullptr ? manager : DefaultManager()) != this) continue;
        forms.push_back(form);
    }
    return forms;
}

std::vector<TsSkinManager::FrozenForm> TsSkinManager::FreezeForms() {
    std::vector<FrozenForm> frozen;
    for (QWidget* form : FormsToFreeze()) {
        frozen.push_back({form, form->isMaximized()});
        form->setUpdatesEnabled(false);
    }
    if (!frozen.empty() && IsDefault() && AnimEffects.SkinChanging.Active) Animating = true;
    return frozen;
}

void TsSkinManager::ReleaseForms(const std::vector<FrozenForm>& forms) {
    if (forms.empty()) return;
    for (const FrozenForm& frozen : forms) {
        QWidget* form = frozen.Form;
        if (form == nullptr) continue;
        if (AnimEffects.SkinChanging.Active) RunSkinChangingAnimation(form);
        form->setUpdatesEnabled(true);
        if (frozen.Maximized && !form->isMaximized()) form->showMaximized();
        form->repaint();  // the frame and every child with it
    }
    Animating = false;
}

void TsSkinManager::CoverForms() {
    Covers_.clear();
    const TsAnimation& animation = AnimEffects.SkinChanging;
    // Only where the animation can show: a fade needs layered windows and at least one 12 ms step.
    if (InstalledHooks<EffectsHooks>().SkinChangingAnimation == nullptr || !animation.Active || animation.Time < 12 ||
        !LayeredWindowsAvailable())
        return;
    for (QWidget* form : FormsToFreeze()) {
        QImage look = form->grab().toImage();
        if (look.size() != form->size()) look = look.scaled(form->size());  // a scaled screen's pixels
        Covers_.push_back({form, look});
    }
}

void TsSkinManager::RunSkinChangingAnimation(QWidget* form) {
    auto cover = std::find_if(Covers_.begin(), Covers_.end(), [form](const Cover& c) { return c.Form == form; });
    if (cover == Covers_.end()) return;
    const QImage oldLook = cover->OldLook;
    Covers_.erase(cover);
    const auto animate = InstalledHooks<EffectsHooks>().SkinChangingAnimation;
    if (animate == nullptr || oldLook.isNull()) return;
    const int alpha = form->windowOpacity() < 1.0 ? static_cast<int>(form->windowOpacity() * 255 + 0.5) : 255;
    animate(form, oldLook, AnimEffects.SkinChanging.Time, AnimEffects.SkinChanging.Mode, alpha);
}

// --- Extended borders --------------------------------------------------------------------------------

bool TsSkinManager::ExtendedBordersEffective() const { return ExtendedBorders_ && LayeredWindowsAvailable(); }

void TsSkinManager::UpdateShadowTemplates() {
    if (Active_ && ExtendedBordersEffective())
        Shadows_ = MakeShadowTemplates(*Model_, DesktopCompositionEnabled());
    else
        Shadows_ = ShadowTemplates();
}
