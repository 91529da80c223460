// The application-wide window hook: sees top-level windows activated, shown for the first time and destroyed.
#pragma once

#include <functional>

#include <QObject>
#include <QPointer>
#include <QSet>

class QWidget;

enum class THookEvent { Activate, Create, Destroy };

/// One event filter on the application object standing for the thread's window hook.
class TWindowHook : public QObject {
    Q_OBJECT
public:
    using Callback = std::function<void(THookEvent, QWidget*)>;

    /// Installs the filter; the callback sees every top-level widget's activation, first showing and
    /// destruction. Installing again replaces the callback.
    static void Install(Callback callback);
    static void Remove();
    static bool Installed();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TWindowHook(Callback callback);
    Callback Callback_;
    QSet<QObject*> Seen_;
};
