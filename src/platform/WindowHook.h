// The application-wide window hook: sees top-level windows activated, shown for the first time and destroyed.
#pragma once

#include <functional>

#include <QObject>
#include <QSet>

class QWidget;

enum class THookEvent { Activate, Create, Destroy };

/// What the hook hands to its callback. Activate and Create come with the window. Destroy comes
/// with the address the window had and no widget: by then the window's own parts are gone, so the
/// address is only a key to forget it by.
struct THookMessage {
    THookEvent Event = THookEvent::Activate;
    QWidget* Window = nullptr;
    const QObject* Destroyed = nullptr;
};

/// One event filter on the application object standing for the thread's window hook.
class TWindowHook : public QObject {
    Q_OBJECT
public:
    using Callback = std::function<void(const THookMessage&)>;

    /// Installs the filter; the callback sees every top-level widget's activation, first showing and
    /// destruction. Installing again replaces the callback.
    static void Install(Callback callback);
    /// Removes the filter; safe from inside a callback (the hook goes when that callback returns and
    /// calls nothing more meanwhile).
    static void Remove();
    static bool Installed();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TWindowHook(Callback callback);
    /// Calls the callback; deletes the hook afterwards when it was removed meanwhile.
    void Dispatch(const THookMessage& message);
    void WindowDestroyed(QObject* window);

    Callback Callback_;
    QSet<const QObject*> Seen_;
    int Dispatching_ = 0;
    bool Removed_ = false;
};
