// TsBoundLabel: creating, placing and following the caption label of a control.
#include "sBoundLabel.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QWidget>

#include "SkinnedControl.h"
#include "sCommonData.h"
#include "skin/paint/PixelBlends.h"

TsBoundLabel::TsBoundLabel(TsCommonData& data, LabelFactory factory) : Data_(data), Factory_(std::move(factory)) {
    if (data.OwnerControl != nullptr) data.OwnerControl->installEventFilter(this);
}

TsBoundLabel::~TsBoundLabel() { SetActive(false); }

QLabel* TsBoundLabel::TheLabel() const { return Label_.data(); }

void TsBoundLabel::SetActive(bool value) {
    QWidget* control = Data_.OwnerControl;
    if (!value) {
        if (Label_) delete Label_.data();
        Label_ = nullptr;
        Control_ = nullptr;
        return;
    }
    if (Label_ || control == nullptr || !Factory_) return;
    Control_ = Factory_(control->parentWidget());
    if (Control_ == nullptr) return;
    QLabel* label = Control_->Label();
    Label_ = label;
    label->hide();
    label->setBuddy(control);
    label->setObjectName(control->objectName() + QStringLiteral("Label"));
    label->setText(Caption_.isEmpty() ? control->objectName() : Caption_);
    if (FontSet_) label->setFont(Font_);
    ApplyAlignment();
    if (!control->isHidden()) label->show();
    UpdateEnabled();
    AlignLabel();
}

void TsBoundLabel::SetCaption(const QString& value) {
    Caption_ = value;
    if (!Label_) return;
    Label_->setText(Caption_.isEmpty() && Data_.OwnerControl != nullptr ? Data_.OwnerControl->objectName() : Caption_);
    AlignLabel();
}

void TsBoundLabel::SetIndent(int value) {
    Indent_ = value;
    AlignLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout value) {
    Layout_ = value;
    ApplyAlignment();
    AlignLabel();
}

void TsBoundLabel::SetMaxWidth(int value) {
    MaxWidth_ = value;
    AlignLabel();
}

bool TsBoundLabel::UseSkinColor() const { return Label_ ? Control_->UseSkinColor() : true; }

void TsBoundLabel::SetUseSkinColor(bool value) {
    if (Label_) Control_->SetUseSkinColor(value);
}

void TsBoundLabel::ApplyAlignment() {
    if (!Label_) return;
    Qt::Alignment horizontal = Qt::AlignLeft;
    switch (Layout_) {
        case sclLeft:
        case sclTopRight: horizontal = Qt::AlignRight; break;
        case sclTopLeft: horizontal = Qt::AlignLeft; break;
        case sclTopCenter: horizontal = Qt::AlignHCenter; break;
    }
    Label_->setAlignment(horizontal | Qt::AlignTop);
}

void TsBoundLabel::AlignLabel() {
    QWidget* control = Data_.OwnerControl;
    if (!Label_ || control == nullptr) return;
    QLabel* label = Label_.data();
    if (MaxWidth_ != 0) {
        Control_->SetAutoSize(false);
        label->setWordWrap(true);
        label->resize(MaxWidth_, std::max(label->height(), control->height()));
    } else if (Control_->AutoSize()) {
        label->adjustSize();
    }
    // A hidden label keeps its place until it shows again.
    if (label->isHidden()) return;
    const QRect c = control->geometry();
    int left = c.left(), top = c.top() - label->height() - Indent_;
    switch (Layout_) {
        case sclLeft:
            left = c.left() - label->width() - Indent_ - 4;
            top = c.top() + (c.height() - label->height()) / 2;
            break;
        case sclTopLeft: break;
        case sclTopCenter: left = c.left() + (c.width() - label->width()) / 2; break;
        case sclTopRight: left = c.left() + c.width() - label->width(); break;
    }
    label->move(left, top);
}

void TsBoundLabel::UpdateEnabled() {
    QWidget* control = Data_.OwnerControl;
    if (!Label_ || control == nullptr) return;
    const TsDisabledKind kind = Data_.Control() != nullptr ? Data_.Control()->DisabledKind() : static_cast<TsDisabledKind>(dkBlended);
    Label_->setEnabled(control->isEnabled() || !(kind & dkBlended));
}

bool TsBoundLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Data_.OwnerControl && Label_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize: AlignLabel(); break;
            case QEvent::ShowToParent:
                Label_->show();
                AlignLabel();
                break;
            case QEvent::HideToParent: Label_->hide(); break;
            case QEvent::EnabledChange: UpdateEnabled(); break;
            case QEvent::LayoutDirectionChange: Label_->setLayoutDirection(Data_.OwnerControl->layoutDirection()); break;
            default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}
