// TDialogFrame: the skinned frame of an unowned system dialog, painted with the skin's "DIALOG" section.
#pragma once

#include <vector>

#include <QMargins>
#include <QPalette>
#include <QPointer>

#include "SkinnedFrame.h"
#include "sSystemMenu.h"


class TDialogFrame : public TSkinnedFrame {
    Q_OBJECT
public:
    explicit TDialogFrame(QWidget* dialog);
    /// Gives the dialog its platform frame, margins and colours back when it still exists.
    ~TDialogFrame() override;

    /// Takes the dialog over: filters, the "DIALOG" section, the system menu, the frame. False when
    /// the dialog cannot be skinned (no skin, or the skin lacks the section).
    bool Attach();
    /// True once the dialog's window is being destroyed (or is gone).
    bool Destroying() const { return Window() == nullptr; }
    TDialogSystemMenu* SystemMenu() const { return SystemMenu_; }
    /// The dialog's child controls given skinned wrappers (none: they keep the platform's look).
    const std::vector<QPointer<QWidget>>& WrappedControls() const { return Wrapped_; }

    TFrameWindowInfo WindowInfo() const override;
    void ShowSystemMenu(QPoint globalPos) override;

protected:
    void ApplyFrameMode(bool drawn) override;
    void ActivationChanged(QEvent* event) override;
    bool ClientFromPicture() const override { return false; }
    void UpdateSystemMenu() override;

private:
    QPointer<TDialogSystemMenu> SystemMenu_;
    std::vector<QPointer<QWidget>> Wrapped_;
    Qt::WindowFlags OldFlags_;
    QMargins OldMargins_;
    QPalette OldPalette_;
    bool Attached_ = false;
};
