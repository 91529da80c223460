// TsLabel and TsWebLabel.
#include "sLabel.h"

#include <QMouseEvent>

#include "ControlColors.h"
#include "binding/ControlKinds.h"
#include "platform/Shell.h"

TsLabel::TsLabel(QWidget* parent) : QLabel(parent), SkinData(this, this, ckNone) {
    SkinData.Windowless = true;
    SkinData.OptionalSection = true;
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TsLabel::SetCaption(const QString& caption) {
    setText(caption);
    if (AutoSize_ && !wordWrap()) adjustSize();
}

void TsLabel::SetAutoSize(bool value) {
    AutoSize_ = value;
    if (value && !wordWrap()) adjustSize();
}

void TsLabel::SetFontColor(TColor color) {
    FontColor_ = color;
    SetControlFontColor(this, color);
}

bool TsLabel::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QLabel::event(event); }

TsWebLabel::TsWebLabel(QWidget* parent) : TsLabel(parent) { setCursor(Qt::PointingHandCursor); }

void TsWebLabel::SetNormalFont(const QFont& font, TColor color) {
    NormalFont_ = font;
    NormalColor_ = color;
    if (!Hot_) ShowHot(false);
}

void TsWebLabel::ShowHot(bool hot) {
    Hot_ = hot;
    setFont(hot ? HoverFont : NormalFont_);
    SetFontColor(hot ? HoverFontColor : NormalColor_);
}

void TsWebLabel::mousePressEvent(QMouseEvent* event) {
    // The address opens on the press, so dragging off before the release still follows it.
    if (event->button() == Qt::LeftButton && !URL.isEmpty()) ShellOpen(URL);
    TsLabel::mousePressEvent(event);
}

void TsWebLabel::enterEvent(QEnterEvent* event) {
    ShowHot(true);
    TsLabel::enterEvent(event);
}

void TsWebLabel::leaveEvent(QEvent* event) {
    ShowHot(false);
    TsLabel::leaveEvent(event);
}
