// What the desktop offers for window effects.
#include "DesktopEffects.h"

#include <optional>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QPointer>
#include <QString>

#include "CompositingWatch.h"

namespace {
std::optional<bool> LayeredOverride;
std::optional<bool> CompositionOverride;

/// Hands the X11 connection's events to the compositing watch; lives as long as the application.
class TX11CompositingFollower : public QObject, public QAbstractNativeEventFilter {
public:
    TX11CompositingFollower(QGuiApplication* app, xcb_connection_t* connection)
        : QObject(app), Watch(connection, DefaultX11Screen()) {
        if (Watch.Following()) app->installNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType == "xcb_generic_event_t") Watch.HandleEvent(message);
        return false;  // the application still sees every event
    }
    TCompositingWatch Watch;
};

QPointer<TX11CompositingFollower> X11Follower;

bool X11Compositing(QGuiApplication* app) {
#if QT_CONFIG(xcb)
    if (X11Follower.isNull()) {
        auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 == nullptr || x11->connection() == nullptr) return false;
        X11Follower = new TX11CompositingFollower(app, x11->connection());
    }
    return X11Follower->Watch.Running();
#else
    (void)app;
    return false;
#endif
}
}  // namespace

bool LayeredWindowsAvailable() {
    if (LayeredOverride) return *LayeredOverride;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) return false;
    const QString platform = QGuiApplication::platformName();
    if (platform == QStringLiteral("xcb")) return X11Compositing(app);
    return platform.startsWith(QStringLiteral("wayland")) || platform == QStringLiteral("windows") ||
           platform == QStringLiteral("cocoa");
}

void SetLayeredWindowsOverride(std::optional<bool> available) { LayeredOverride = available; }

bool DesktopCompositionEnabled() { return CompositionOverride.value_or(false); }

void SetDesktopCompositionOverride(std::optional<bool> enabled) { CompositionOverride = enabled; }

bool ShapesNeedTranslucentWindows() {
    return QGuiApplication::instance() != nullptr && QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}
