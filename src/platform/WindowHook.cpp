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
    TWindowHook* hook = Hook;
    Hook = nullptr;
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeEventFilter(hook);
    // Removed by one of its own callbacks: the callback still runs, so the hook goes after it.
    if (hook->Dispatching_ > 0) {
        hook->Removed_ = true;
    } else {
        delete hook;
    }
}

bool TWindowHook::Installed() { return Hook != nullptr; }

void TWindowHook::Dispatch(const THookMessage& message) {
    if (Removed_ || !Callback_) return;
    // A copy: the callback may install a new one, which replaces Callback_ while this one runs.
    const Callback callback = Callback_;
    struct Depth {
        TWindowHook* Hook;
        explicit Depth(TWindowHook* hook) : Hook(hook) { ++Hook->Dispatching_; }
        ~Depth() { --Hook->Dispatching_; }
    };
    {
        Depth depth(this);
        callback(message);
    }
    if (Removed_ && Dispatching_ == 0) delete this;  // nothing of the hook is touched after this
}

void TWindowHook::WindowDestroyed(QObject* window) {
    if (!Seen_.remove(window)) return;
    Dispatch({THookEvent::Destroy, nullptr, window});
}

bool TWindowHook::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow()) return false;
    switch (event->type()) {
        case QEvent::WindowActivate: Dispatch({THookEvent::Activate, widget, nullptr}); break;
        case QEvent::Show:
            if (!Seen_.contains(watched)) {
                Seen_.insert(watched);
                // The connection belongs to the window, not to the hook, so that the hook may go in a
                // callback; the hook of the moment (if any) learns of the destruction.
                connect(widget, &QObject::destroyed, [](QObject* object) {
                    if (Hook != nullptr) Hook->WindowDestroyed(object);
                });
                Dispatch({THookEvent::Create, widget, nullptr});
            }
            break;
        default: break;
    }
    return false;
}
