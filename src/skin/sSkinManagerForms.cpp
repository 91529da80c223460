// TsSkinManager: what a skin change does to the windows: the refresh, and the shadow border
// pictures of extended borders.
#include "sSkinManager.h"

#include "platform/DesktopEffects.h"
#include "platform/NimbrelCommand.h"

void TsSkinManager::RefreshSkin(bool animate) {
    (void)animate;  // the skin-changing animation comes with the window frames
    BroadcastCommand(MakeNimbrelParam(AC_STOPFADING), reinterpret_cast<intptr_t>(this));
    BroadcastCommand(MakeNimbrelParam(AC_REFRESH), reinterpret_cast<intptr_t>(this));
    if (Loading_) return;
    for (const auto& window : HookedWindows())
        if (window && window->isVisible()) window->update();
}

// --- Extended borders --------------------------------------------------------------------------------

bool TsSkinManager::ExtendedBordersEffective() const { return ExtendedBorders_ && LayeredWindowsAvailable(); }

void TsSkinManager::UpdateShadowTemplates() {
    if (Active_ && ExtendedBordersEffective())
        Shadows_ = MakeShadowTemplates(*Model_, DesktopCompositionEnabled());
    else
        Shadows_ = ShadowTemplates();
}
