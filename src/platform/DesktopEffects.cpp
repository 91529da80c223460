// What the desktop offers for window effects.
#include "DesktopEffects.h"

#include <QGuiApplication>
#include <QString>

namespace {
std::optional<bool> LayeredOverride;
std::optional<bool> CompositionOverride;
}  // namespace

bool LayeredWindowsAvailable() {
    if (LayeredOverride) return *LayeredOverride;
    if (QGuiApplication::instance() == nullptr) return false;
    const QString platform = QGuiApplication::platformName();
    return platform.startsWith(QStringLiteral("wayland")) || platform == QStringLiteral("windows") ||
           platform == QStringLiteral("cocoa");
}

void SetLayeredWindowsOverride(std::optional<bool> available) { LayeredOverride = available; }

bool DesktopCompositionEnabled() { return CompositionOverride.value_or(false); }

void SetDesktopCompositionOverride(std::optional<bool> enabled) { CompositionOverride = enabled; }
