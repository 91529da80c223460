// TsEdit.
#include "sEdit.h"

#include "ControlColors.h"
#include "binding/ControlKinds.h"
#include "sLabel.h"

TsEdit::TsEdit(QWidget* parent, const QString& section)
    : QLineEdit(parent),
      SkinData(this, this, ckEdit, true, section),
      BoundLabel(SkinData, [](QWidget* labelParent) { return new TsEditLabel(labelParent); }) {
    SetMaxLength(0);
}

void TsEdit::SetMaxLength(int value) {
    MaxLength_ = value < 0 ? 0 : value;
    setMaxLength(MaxLength_ == 0 ? 32767 : MaxLength_);
}

void TsEdit::SetColor(TColor color) {
    Color_ = color;
    SetControlColor(this, color);
}

void TsEdit::SetFontColor(TColor color) {
    FontColor_ = color;
    SetControlFontColor(this, color);
}

bool TsEdit::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QLineEdit::event(event); }
