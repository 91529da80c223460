// The application object: owns the program's forms, shows escaped errors in the default error box.
#pragma once

#include <exception>
#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QPointer>

class TForm;

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    /// The running application object, or null when the QApplication is not one of ours.
    static TApplication* Instance();

    /// Takes the form into the application's ownership; the first form becomes the main form.
    void AddForm(TForm* form);
    /// The owned forms, in creation order (destroyed forms are skipped).
    std::vector<TForm*> Forms() const;
    TForm* MainForm() const;

    /// Runs the callable; an escaped error goes to HandleException, as for any event handler.
    /// Returns whether it ran through without one.
    static bool Guarded(const std::function<void()>& action);
    /// Shows the error in the default error box (or hands it to the test hook).
    static void HandleException(const std::exception& error);

    /// Test hook: receives escaped errors instead of the error box.
    using ExceptionHandler = std::function<void(const std::exception&)>;
    static void SetExceptionHandler(ExceptionHandler handler);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::vector<QPointer<TForm>> Forms_;
};

/// Fires an On... event of a control: calls the handler when one is set, an escaped error going to
/// the application's error handling as for any event handler (never through Qt's own frames).
/// Returns false when the handler failed, so that the caller stops where the handler's error would
/// have ended it.
template <typename Handler, typename... Args>
bool FireEvent(const Handler& handler, Args&&... args) {
    if (!handler) return true;
    return TApplication::Guarded([&] { handler(std::forward<Args>(args)...); });
}
