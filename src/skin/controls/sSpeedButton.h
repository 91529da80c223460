// TsSpeedButton: the flat, windowless skinned button with a glyph and, when shown, a caption under it.
#pragma once

#include <QImage>
#include <QToolButton>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"

class TsAnimTimer;

/// A flat button drawn on its parent's surface: its section's face in its state (2 while held down,
/// 1 while the mouse is over it, else 0), the glyph and, with ShowCaption, the caption under the
/// glyph; hover changes cross-fade. It takes no focus.
class TsSpeedButton : public QToolButton, public TsSkinnedControl {
    Q_OBJECT
public:
    /// Which state changes cross-fade.
    enum AnimEvent : unsigned { aeMouseEnter = 1, aeMouseLeave = 2, aeMouseDown = 4, aeMouseUp = 8 };

    explicit TsSpeedButton(QWidget* parent = nullptr, const QString& section = QStringLiteral("SPEEDBUTTON"));
    ~TsSpeedButton() override;

    unsigned AnimatEvents = aeMouseEnter | aeMouseLeave;
    /// The picture on the button, centred; above the caption when that shows.
    QImage Glyph() const { return Glyph_; }
    void SetGlyph(const QImage& glyph);
    /// The caption (the button's text) is drawn under the glyph.
    bool ShowCaption() const { return ShowCaption_; }
    void SetShowCaption(bool value);
    /// Where a glyph of the size and the caption go: without a caption the glyph is centred; with
    /// one the glyph stands 4 pixels below the top, the caption fills the rest below it.
    QRect GlyphRect(QSize glyph) const;
    QRect CaptionRect(QSize glyph) const;

    /// 2 held down (pressed with the mouse over it), 1 hot, 0 normal; 0 when disabled.
    int ButtonState() const;
    /// The running hover animation, or null.
    TsAnimTimer* AnimTimer() const { return AnimTimer_; }

    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    int PaintState() override { return ButtonState(); }
    void PaintContent(Bitmap32& cache, QPainter& painter, int state) override;
    bool KeepsCacheInvalid() const override { return true; }

protected:
    /// The glyph of a state; the base shows Glyph in every state.
    virtual QImage GlyphFor(int state) const;
    /// Draws the glyph of the state at its place.
    virtual void DrawGlyph(QPainter& painter, int state) const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /// Changes the look: a cross-fade when the transition is one of AnimatEvents, else at once.
    void ChangeLook(unsigned transition, bool hot, bool held);
    void PaintUnskinned();

    QImage Glyph_;
    bool ShowCaption_ = false;
    bool Hot_ = false;
    bool Held_ = false;
    TsAnimTimer* AnimTimer_ = nullptr;
};
