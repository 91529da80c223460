// A layered window: flags, picture and painting.
#include "LayeredWindow.h"

#include <algorithm>
#include <cstring>

#include <QPainter>

TLayeredWindow::TLayeredWindow(QWidget* anchor) : TForm(anchor, AuxiliaryForm{}) {
    Tag = kAuxiliaryFormTag;
    setObjectName(QStringLiteral("LayeredWindow"));
    // Translucency must be asked for before the platform window exists.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    Client()->setAttribute(Qt::WA_TransparentForMouseEvents);
    ApplyFlags(false);
}

void TLayeredWindow::ApplyFlags(bool topmost) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                            Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint;
    if (topmost) flags |= Qt::WindowStaysOnTopHint;
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible) ShowWithoutActivation();
}

void TLayeredWindow::SetTopmost(bool topmost) {
    if (topmost == windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
    ApplyFlags(topmost);
}

void TLayeredWindow::ShowWithoutActivation() {
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
}

void TLayeredWindow::UpdateLayered(const Bitmap32& picture, int constantAlpha) {
    Picture_ = ImageFromBitmap(picture);
    ConstantAlpha_ = std::clamp(constantAlpha, 0, 255);
    resize(picture.Width(), picture.Height());
    update();
}

void TLayeredWindow::SetConstantAlpha(int constantAlpha) {
    ConstantAlpha_ = std::clamp(constantAlpha, 0, 255);
    update();
}

void TLayeredWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(ConstantAlpha_ / 255.0);
    painter.drawImage(0, 0, Picture_);
}

QImage ImageFromBitmap(const Bitmap32& bitmap) {
    if (bitmap.Empty()) return {};
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(image.scanLine(y), bitmap.Row(y), static_cast<size_t>(bitmap.Width()) * 4);
    return image;
}

Bitmap32 BitmapFromImage(const QImage& image) {
    if (image.isNull()) return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Bitmap32 bitmap(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(bitmap.Row(y), argb.constScanLine(y), static_cast<size_t>(argb.width()) * 4);
    return bitmap;
}
