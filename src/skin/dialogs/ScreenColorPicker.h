// The screen colour picker: a full-screen picture of the monitor on which a click takes a pixel's colour.
#pragma once

#include <optional>

#include <QImage>
#include <QRect>

#include "platform/Forms.h"

class TShape;

/// A borderless form covering the monitor with its picture and a preview of the colour under the mouse.
class TScreenPickForm : public TForm {
    Q_OBJECT
public:
    TScreenPickForm(const QImage& picture, const QRect& screenGeometry, const QRect& previewGlobal, TColor color);

    /// The colour taken by a click; empty after Escape.
    std::optional<TColor> Picked;
    TShape* Preview;
    /// The picture's colour at a point of the form; black outside it.
    TColor ColorAt(const QPoint& pos) const;

    void PickFormPaint(QPainter& painter);
    void PickFormMouseDown(const QPoint& pos);
    void PickFormMouseMove(const QPoint& pos);
    void PickFormKeyDown(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage Picture_;
};

/// The whole monitor that shows the widget; where the platform cannot copy the screen (Wayland, the
/// offscreen platform) the program's own visible windows are composed on the desktop colour instead.
QImage GrabMonitorPicture(const QWidget* widget, QRect& screenGeometry);

/// Runs the picker over the monitor showing the owner; the colour clicked, or empty after Escape.
std::optional<TColor> PickScreenColor(QWidget* owner, const QRect& previewGlobal, TColor current);
