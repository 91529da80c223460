// The application-wide event filter behind the window hook.
#include "WindowHook.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {
TWindowHook* Hook = nullptr;
}

TWindowHook::TWindowHook(Callback callback) : Callback_(std::move(callback)) {}

void TWindowHook::Install(Callback callback) {
    if (Hook != nullptr) {
        Hook->Callback_ = std::move(callback);
        return;
    }
    Hook = new TWindowHook(std::move(callback));
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->installEventFilter(Hook);
}

void TWindowHook::Remove() {
    if (Hook == nullptr) return;
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(Hook);
    delete Hook;
    Hook = nullptr;
}

bool TWindowHook::Installed() { return Hook != nullptr; }

bool TWindowHook::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow()) return false;
    switch (event->type()) {
        case QEvent::WindowActivate:
            if (Callback_) Callback_(THookEvent::Activate, widget);
            break;
        case QEvent::Show:
            if (!Seen_.contains(watched)) {
                Seen_.insert(watched);
                // The widget is only an identity by then: its subclass parts are already gone.
                connect(widget, &QObject::destroyed, this, [this](QObject* object) {
                    Seen_.remove(object);
                    if (Callback_) Callback_(THookEvent::Destroy, static_cast<QWidget*>(object));
                });
                if (Callback_) Callback_(THookEvent::Create, widget);
            }
            break;
        default: break;
    }
    return false;
}
