// The caption cover's place and picture.
#include "CaptionCover.h"

#include <QPainter>
#include <QPaintEvent>

#include "SkinnedFrame.h"
#include "skin/effects/LayeredWindow.h"
#include "platform/BitmapView.h"

TCaptionCover::TCaptionCover(TSkinnedFrame& frame) : TForm(frame.Window(), AuxiliaryForm{}), Frame_(frame) {
    setObjectName(QStringLiteral("CaptionCover"));
    Tag = kAuxiliaryFormTag;  // the hook leaves it alone
    SetBorderStyle(TFormBorderStyle::bsNone);
    // A tool tip's window: shown over everything without taking the activation or asking the window
    // manager (which may not give it the place wanted), and gone before anyone could use it.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TCaptionCover::CoverGeometry() const {
    const QWidget* window = Frame_.Window();
    if (window == nullptr) return {};
    return {window->mapToGlobal(QPoint(0, 0)), QSize(window->width(), Frame_.Layout.NonClientTop())};
}

void TCaptionCover::ShowCover() {
    if (!Frame_.DrawsFrame() || Frame_.Layout.CaptionHeight == 0 || Frame_.Window() == nullptr ||
        !Frame_.Window()->isVisible())
        return;
    Frame_.PaintWindowImage();
    setGeometry(CoverGeometry());
    show();
}

void TCaptionCover::paintEvent(QPaintEvent*) {
    const Bitmap32* picture = Frame_.SkinData().CacheBitmap.get();
    if (picture == nullptr || picture->Empty()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, BitmapView(*picture), 0, 0, width(), height());
}
