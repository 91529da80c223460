// The window hook's side in the frames: which windows get a provider or a dialog frame, and their wrappers.
#pragma once

#include <memory>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QStringList>

#include "platform/Forms.h"
#include "skin/manager/sSkinManager.h"

class QWidget;
class TsSkinProvider;
class TDialogFrame;

/// One window the hook has taken: a form with the provider made for it (the wrapper is owned by the
/// form), or an unowned system dialog with its dialog frame (no owner; freed when the dialog goes).
class THookedWindow : public QObject {
    Q_OBJECT
public:
    /// A form's wrapper is a child of the form; a dialog's has no parent.
    THookedWindow(QWidget* window, TForm* form);
    ~THookedWindow() override;

    QWidget* Window() const { return Window_; }
    TForm* Form() const { return Form_; }
    TsSkinProvider* Provider() const;
    TDialogFrame* DialogFrame() const { return Frame_.get(); }
    /// The address the window had, kept for recognising it once it is being destroyed.
    const QObject* Identity() const { return Identity_; }

    /// Creates the form's provider at run time.
    void CreateProvider();
    /// Attaches a dialog frame; false when it cannot attach (the frame is freed again).
    bool AttachDialogFrame();

private:
    QPointer<QWidget> Window_;
    QPointer<TForm> Form_;
    QPointer<TsSkinProvider> Provider_;
    std::unique_ptr<TDialogFrame> Frame_;
    const QObject* Identity_;
};

/// Class names never given a provider ("TApplication", "TfcPopup").
QStringList& HookSkipList();

/// Decides whether and how the window is skinned (a run-time provider for a form, a dialog frame for
/// an unowned system dialog); returns whether a wrapper was made. Never raises.
bool AttachWindow(QWidget* window);
/// Frees every wrapper whose dialog window is gone (the destroyed window's address, or any that
/// is already gone).
void DetachDestroyedWindows(const QObject* destroyed = nullptr);
/// The wrappers of the hooked windows, in the order they were taken.
const std::vector<QPointer<THookedWindow>>& HookedWrappers();
/// The wrapper of a window, or null.
THookedWindow* HookedWrapperOf(const QWidget* window);

/// Installs the window hook (the application-wide filter) with the frames' callback.
void InstallFormHook();
/// Removes the hook and frees every wrapper (the providers stay with their forms).
void RemoveFormHook();

/// The frames' hook as the skin manager installs it when it applies a skin; installed at start-up,
/// before the first form with a skin manager is made.
TsSkinManager::WindowHookHandlers FormHookHandlers();
