// Small widgets of the colour dialog: a panel whose painting and mouse go to handlers, and a filled shape.
#pragma once

#include <functional>

#include <QWidget>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"
#include "core/Color.h"

class QMouseEvent;
class QPainter;

/// A borderless panel: the owner paints it and follows its mouse through the handlers.
class TColorAreaPanel : public QWidget, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TColorAreaPanel(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
};

/// A rectangle filled with its brush colour and framed by a 1-pixel black pen inside its bounds.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    TColor BrushColor() const { return BrushColor_; }
    void SetBrushColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor BrushColor_ = clWhite;
};
