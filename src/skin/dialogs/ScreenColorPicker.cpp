// The screen colour picker: the monitor's picture, the preview, the click and Escape.
#include "ScreenColorPicker.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "ColorDialogParts.h"
#include "platform/SystemMetrics.h"

TScreenPickForm::TScreenPickForm(const QImage& picture, const QRect& screenGeometry, const QRect& previewGlobal,
                                 TColor color)
    : TForm(nullptr), Picture_(picture) {
    setObjectName(QStringLiteral("PickForm"));
    SetBorderStyle(TFormBorderStyle::bsNone);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    Client()->setMouseTracking(true);
    Client()->setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(screenGeometry);
    Preview = new TShape(Client());
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setAttribute(Qt::WA_TransparentForMouseEvents);
    Preview->setGeometry(QRect(previewGlobal.topLeft() - screenGeometry.topLeft(), previewGlobal.size()));
    Preview->SetBrushColor(color);
}

TColor TScreenPickForm::ColorAt(const QPoint& pos) const {
    if (!Picture_.valid(pos)) return clBlack;
    const QRgb pixel = Picture_.pixel(pos);
    return RGB(static_cast<uint8_t>(qRed(pixel)), static_cast<uint8_t>(qGreen(pixel)),
               static_cast<uint8_t>(qBlue(pixel)));
}

void TScreenPickForm::PickFormPaint(QPainter& painter) {
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, Picture_);
}

void TScreenPickForm::PickFormMouseMove(const QPoint& pos) { Preview->SetBrushColor(ColorAt(pos)); }

void TScreenPickForm::PickFormMouseDown(const QPoint& pos) {
    Picked = ColorAt(pos);
    SetModalResult(mrOk);
}

void TScreenPickForm::PickFormKeyDown(int key) {
    if (key == Qt::Key_Escape) SetModalResult(mrCancel);
}

void TScreenPickForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PickFormPaint(painter);
}

void TScreenPickForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PickFormMouseDown(event->position().toPoint());
}

void TScreenPickForm::mouseMoveEvent(QMouseEvent* event) { PickFormMouseMove(event->position().toPoint()); }

void TScreenPickForm::keyPressEvent(QKeyEvent* event) { PickFormKeyDown(event->key()); }

QImage GrabMonitorPicture(const QWidget* widget, QRect& screenGeometry) {
    QScreen* screen = widget != nullptr && widget->screen() != nullptr ? widget->screen()
                                                                       : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        screenGeometry = QRect();
        return {};
    }
    screenGeometry = screen->geometry();
    const QPixmap grabbed = screen->grabWindow(0);
    if (!grabbed.isNull()) return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    QImage picture(screenGeometry.size(), QImage::Format_RGB32);
    picture.fill(ToQColor(SystemColor(1)));  // the desktop background
    QPainter painter(&picture);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->screen() != screen) continue;
        painter.drawPixmap(window->geometry().topLeft() - screenGeometry.topLeft(), window->grab());
    }
    return picture;
}

std::optional<TColor> PickScreenColor(QWidget* owner, const QRect& previewGlobal, TColor current) {
    QRect screenGeometry;
    const QImage picture = GrabMonitorPicture(owner, screenGeometry);
    if (picture.isNull()) return std::nullopt;
    auto* form = new TScreenPickForm(picture, screenGeometry, previewGlobal, current);
    form->ShowModal();
    const std::optional<TColor> picked = form->Picked;
    delete form;
    return picked;
}
