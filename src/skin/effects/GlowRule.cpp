// The binding's glow rule over ShowGlow and RemoveGlow.
#include "GlowRule.h"

#include <QGuiApplication>
#include <QWidget>

#include "skin/binding/sCommonData.h"
#include "skin/effects/GlowEffect.h"
#include "platform/DesktopEffects.h"
#include "platform/QtRects.h"
#include "skin/manager/sSkinManager.h"

TRect VisiblePartOf(const QWidget* widget) {
    QRect visible = widget->rect();
    // Each ancestor up to the window clips what shows of the control.
    for (const QWidget* w = widget; !w->isWindow() && w->parentWidget() != nullptr; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        const QRect parentRect(widget->mapFrom(parent, QPoint(0, 0)), parent->size());
        visible &= parentRect;
    }
    if (visible.isEmpty()) return {};
    return ToTRect(visible);
}

void UpdateGlow(TsCommonData& binding, bool pressing) {
    TsSkinManager* manager = binding.EffectiveManager();
    if (manager == nullptr || !manager->Effects.AllowGlowing || !LayeredWindowsAvailable() || GlowsBlocked()) return;
    const TsGeneralData* section = binding.Section();
    QWidget* control = binding.OwnerControl;
    if (section == nullptr || section->Glow < 1 || control == nullptr) return;
    const bool leftDown = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    if (!binding.MouseOver || leftDown || (pressing && binding.GlowHandle >= 0)) {
        RemoveGlow(binding.GlowHandle);
        binding.GlowHandle = -1;
        return;
    }
    if (binding.GlowHandle >= 0) {
        RemoveGlow(binding.GlowHandle);
        binding.GlowHandle = -1;
    }
    TRect screen;
    TRect visible;
    QWidget* anchor = nullptr;
    if (control->isWindow()) {
        // A form's frame glows around the whole window, anchored to the window itself.
        screen = ToTRect(control->frameGeometry());
        visible = {0, 0, screen.Width(), screen.Height()};
        anchor = control;
    } else {
        screen = ToTRect(QRect(control->mapToGlobal(QPoint(0, 0)), control->size()));
        visible = VisiblePartOf(control);
        anchor = control->window();
    }
    binding.GlowHandle = ShowGlow(screen, visible, binding.SkinSection().toStdString(), manager, anchor, 255,
                                  section->GlowMargin, "GLOW");
}
