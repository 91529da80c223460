// A layered window: a frameless, translucent, input-transparent tool window that shows one picture.
#pragma once

#include <QImage>

#include "core/Bitmap32.h"
#include "platform/Forms.h"

/// The Tag that keeps the form-skinning hook away from the engine's own auxiliary windows.
constexpr intptr_t kAuxiliaryFormTag = -98;

/// Shows a picture with per-pixel alpha and one constant alpha over it; the mouse passes through to
/// the windows below and showing it never activates it. Placed just above its anchor window (the
/// parent it is created with), or kept on top of all windows when made topmost. The application
/// object does not own it: whoever creates it frees it.
class TLayeredWindow : public TForm {
    Q_OBJECT
public:
    explicit TLayeredWindow(QWidget* anchor = nullptr);

    /// The picture (straight alpha) and the constant alpha 0..255 laid over all its pixels; the
    /// window takes the picture's size and repaints.
    void UpdateLayered(const Bitmap32& picture, int constantAlpha);
    void SetConstantAlpha(int constantAlpha);
    const QImage& Picture() const { return Picture_; }
    int ConstantAlpha() const { return ConstantAlpha_; }

    /// Stays above every window that is not topmost itself.
    void SetTopmost(bool topmost);
    /// Shows the window where it is without activating it.
    void ShowWithoutActivation();


protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyFlags(bool topmost);

    QImage Picture_;
    int ConstantAlpha_ = 255;
};

/// The picture's pixels as an image of their own (straight alpha).
QImage ImageFromBitmap(const Bitmap32& bitmap);
/// The image's pixels as a bitmap (straight alpha).
Bitmap32 BitmapFromImage(const QImage& image);
