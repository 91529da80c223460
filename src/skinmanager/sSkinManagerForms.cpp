// TsSkinManager: what a skin change does to the windows: the refresh with its freezing and
// releasing of the forms, and the shadow border pictures of extended borders.
#include "sSkinManager.h"

#include <QApplication>

#include "platform/Application.h"
#include "platform/DesktopEffects.h"
#include "platform/Forms.h"
#include "platform/NimbrelCommand.h"

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

std::vector<TsSkinManager::FrozenForm> TsSkinManager::FreezeForms() {
    std::vector<FrozenForm> frozen;
    if (ApplicationMinimized()) return frozen;
    for (const QPointer<QWidget>& form : ProviderForms()) {
        if (!form || !form->isWindow() || !form->isVisible() || form->isMinimized()) continue;
        QObject* manager = form->property(kProviderManagerProperty).value<QObject*>();
        if ((manager != nullptr ? manager : DefaultManager()) != this) continue;
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

void TsSkinManager::RunSkinChangingAnimation(QWidget* form) {
    // The form's new look appears at once until window animations exist; this is where they start.
    (void)form;
}

// --- Extended borders --------------------------------------------------------------------------------

bool TsSkinManager::ExtendedBordersEffective() const { return ExtendedBorders_ && LayeredWindowsAvailable(); }

void TsSkinManager::UpdateShadowTemplates() {
    if (Active_ && ExtendedBordersEffective())
        Shadows_ = MakeShadowTemplates(*Model_, DesktopCompositionEnabled());
    else
        Shadows_ = ShadowTemplates();
}
