// TsSpeedButton: its states, the cross-faded hover, the glyph and caption, skinned and plain painting.
#include "sSpeedButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"
#include "skin/binding/SkinText.h"
#include "skin/effects/sFade.h"
#include "skin/manager/SkinCommands.h"

namespace {
constexpr int kGlyphTop = 4;  // the glyph's distance from the top above a caption
}

TsSpeedButton::TsSpeedButton(QWidget* parent, const QString& section)
    : QToolButton(parent), SkinData(this, this, ckSpeedButton, true, section) {
    // The skin engine draws the button on its parent's surface, as a control without a window.
    SkinData.Windowless = true;
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

TsSpeedButton::~TsSpeedButton() { StopAnim(AnimTimer_); }

void TsSpeedButton::SetGlyph(const QImage& glyph) {
    Glyph_ = glyph.convertToFormat(QImage::Format_ARGB32);
    SkinData.Invalidate();
}

void TsSpeedButton::SetShowCaption(bool value) {
    ShowCaption_ = value;
    SkinData.Invalidate();
}

QRect TsSpeedButton::GlyphRect(QSize glyph) const {
    const int top = ShowCaption_ && !text().isEmpty() ? kGlyphTop : (height() - glyph.height()) / 2;
    return {QPoint((width() - glyph.width()) / 2, top), glyph};
}

QRect TsSpeedButton::CaptionRect(QSize glyph) const {
    const int top = glyph.isEmpty() ? 0 : GlyphRect(glyph).bottom() + 1;
    return QRect(2, top, width() - 4, height() - top).normalized();
}

int TsSpeedButton::ButtonState() const {
    if (!isEnabled()) return 0;
    if (Held_ && isDown()) return 2;
    return Hot_ ? 1 : 0;
}

void TsSpeedButton::ChangeLook(unsigned transition, bool hot, bool held) {
    const auto apply = [this, hot, held] {
        Hot_ = hot;
        Held_ = held;
    };
    if ((AnimatEvents & transition) != 0 && isVisible() && SkinData.IsSkinned()) {
        StartAnim(AnimTimer_, *this, false, apply);
        return;
    }
    StopAnim(AnimTimer_);
    apply();
    SkinData.CacheInvalid = true;
    update();
}

void TsSpeedButton::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) ChangeLook(aeMouseDown, Hot_, true);
}

void TsSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    // The release may open a modal window: the button looks released before that.
    if (event->button() == Qt::LeftButton && Held_) ChangeLook(aeMouseUp, Hot_, false);
    QToolButton::mouseReleaseEvent(event);
}

QImage TsSpeedButton::GlyphFor(int) const { return Glyph_; }

void TsSpeedButton::DrawGlyph(QPainter& painter, int state) const {
    const QImage picture = GlyphFor(state);
    if (!picture.isNull()) painter.drawImage(GlyphRect(picture.size()).topLeft(), picture);
}

void TsSpeedButton::PaintContent(Bitmap32& cache, QPainter& painter, int state) {
    DrawGlyph(painter, state);
    if (!ShowCaption_ || text().isEmpty()) return;
    // The caption is drawn as enabled: the disabled look is laid over the whole cache afterwards.
    TsTextCanvas canvas{&cache, font(), OwnerFontColor()};
    const QRect rect = CaptionRect(GlyphFor(state).size());
    DrawSkinText(canvas, text(), true, state != 0, SkinData, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                 {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
}

void TsSpeedButton::PaintUnskinned() {
    QStylePainter painter(this);
    const int state = ButtonState();
    if (state > 0) {
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.state |= state == 2 ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);
    }
    if (!isEnabled()) painter.setOpacity(0.4);
    DrawGlyph(painter, state);
    if (ShowCaption_ && !text().isEmpty())
        painter.drawText(CaptionRect(GlyphFor(state).size()), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
}

void TsSpeedButton::paintEvent(QPaintEvent* event) {
    if (!PaintSkinnedControl(*this, event)) PaintUnskinned();
}

bool TsSpeedButton::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        switch (command->Command()) {
            case AC_STOPFADING: StopAnim(AnimTimer_); return true;
            case AC_REPAINT:
                repaint();
                command->Result = 1;
                return true;
            default: break;
        }
        return SkinData.HandleSkinCommand(*command) || QToolButton::event(event);
    }
    SkinData.HandleCommonMessage(event);
    switch (event->type()) {
        case QEvent::Enter:
            ChangeLook(aeMouseEnter, true, Held_);
            SkinData.UpdateGlow(false);
            break;
        case QEvent::Leave:
            ChangeLook(aeMouseLeave, false, Held_);
            SkinData.EndGlow();
            break;
        case QEvent::EnabledChange: SkinData.Invalidate(); break;
        default: break;
    }
    return QToolButton::event(event);
}
