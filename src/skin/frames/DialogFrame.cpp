// The dialog frame: the dialog made frameless with its contents inside the frame's margins.
#include "DialogFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "platform/SystemMetrics.h"
#include "sSystemMenu.h"
#include "skin/model/SkinModel.h"

namespace {

void SetFlags(QWidget* window, Qt::WindowFlags flags) {
    if (flags == window->windowFlags()) return;
    if (window->testAttribute(Qt::WA_WState_Created) && window->windowHandle() != nullptr) {
        // The dialog exists (it may be in the middle of being shown): keep its window.
        window->overrideWindowFlags(flags);
        window->windowHandle()->setFlags(flags);
        return;
    }
    const bool visible = window->isVisible();
    window->setWindowFlags(flags);
    if (visible) window->show();
}

}  // namespace

TDialogFrame::TDialogFrame(QWidget* dialog) : TSkinnedFrame(dialog, QStringLiteral("DIALOG"), nullptr) {
    setObjectName(QStringLiteral("DialogFrame"));
    if (dialog != nullptr) OldFlags_ = dialog->windowFlags();
}

TDialogFrame::~TDialogFrame() {
    delete SystemMenu_.data();
    if (Window() == nullptr || !Attached_) return;
    Unhook();
    if (FrameApplied()) ApplyFrameMode(false);
}

bool TDialogFrame::Attach() {
    QWidget* dialog = Window();
    if (dialog == nullptr) return false;
    UpdateSkinState();
    if (!SkinData().IsSkinned()) return false;
    Attached_ = true;
    Hook();
    FormActive = true;
    SystemMenu_ = new TDialogSystemMenu(dialog, Layout, dialog);
    // The dialog's background brush: the skin's global colour.
    OldPalette_ = dialog->palette();
    QPalette palette = OldPalette_;
    palette.setColor(QPalette::Window, ToQColor(Model()->GlobalBackColor()));
    dialog->setPalette(palette);
    UpdateSkinState();
    UpdateWindowRegion();
    dialog->update();
    return true;
}

TFrameWindowInfo TDialogFrame::WindowInfo() const {
    TFrameWindowInfo info;
    const QWidget* dialog = Window();
    if (dialog == nullptr) return info;
    info.DialogFrame = true;
    info.BorderStyle = TFormBorderStyle::bsDialog;
    info.BorderIcons = biSystemMenu;
    if (OldFlags_.testFlag(Qt::WindowContextHelpButtonHint)) info.BorderIcons |= biHelp;
    StyleFromBorderStyle(info);
    // A dialog that can be resized has the thick frame.
    info.ThickFrame = dialog->minimumSize() != dialog->maximumSize();
    info.State = dialog->isMinimized()   ? TFrameWindowState::Minimized
                 : dialog->isMaximized() ? TFrameWindowState::Maximized
                                         : TFrameWindowState::Normal;
    info.HasSystemMenu = !OldFlags_.testFlag(Qt::CustomizeWindowHint) || OldFlags_.testFlag(Qt::WindowSystemMenuHint);
    info.ShowAppIcon = false;
    const int b = FrameBorderWidth(info), c = FrameCaptionHeight(info);
    const QSize size = FrameApplied() ? dialog->size() : dialog->size() + QSize(2 * b, 2 * b + c);
    info.Width = size.width();
    info.Height = size.height();
    return info;
}

void TDialogFrame::ApplyFrameMode(bool drawn) {
    QWidget* dialog = Window();
    if (dialog == nullptr || drawn == FrameApplied()) return;
    UpdateLayout();
    const QMargins frame(Layout.BorderWidth, Layout.NonClientTop(), Layout.BorderWidth, Layout.BorderWidth);
    const QSize grow(frame.left() + frame.right(), frame.top() + frame.bottom());
    const bool fixed = dialog->minimumSize() == dialog->maximumSize();
    QSize size = dialog->size();
    if (drawn) {
        OldMargins_ = dialog->contentsMargins();
        SetFlags(dialog, (OldFlags_ & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
        dialog->setContentsMargins(OldMargins_ + frame);
        size += grow;
    } else {
        SetFlags(dialog, OldFlags_);
        dialog->setContentsMargins(OldMargins_);
        dialog->setPalette(OldPalette_);
        dialog->clearMask();
        size -= grow;
    }
    if (fixed)
        dialog->setFixedSize(size);
    else
        dialog->resize(size);
    SetFrameApplied(drawn);
}

void TDialogFrame::ActivationChanged(QEvent* event) {
    QWidget* dialog = Window();
    dialog->setUpdatesEnabled(false);
    CallDefault(event);
    dialog->setUpdatesEnabled(true);
    dialog->update();
}

void TDialogFrame::ShowSystemMenu(QPoint globalPos) {
    if (SystemMenu_ != nullptr) SystemMenu_->ShowAt(globalPos);
}

void TDialogFrame::UpdateSystemMenu() {
    UpdateLayout();
    if (SystemMenu_ != nullptr) SystemMenu_->UpdateItems();
}
