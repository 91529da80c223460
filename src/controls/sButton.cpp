// TsButton.
#include "sButton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>

#include "binding/ControlKinds.h"
#include "platform/Application.h"

TsButton::TsButton(QWidget* parent)
    : QPushButton(parent), SkinData(this, this, ckButton, true, QStringLiteral("BUTTON")) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &TsButton::Pressed);
}

void TsButton::Pressed() {
    if (ModalResult != mrNone) {
        if (auto* form = qobject_cast<TForm*>(window())) form->SetModalResult(ModalResult);
    }
    FireEvent(OnClick, this);
}

void TsButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses a focused button, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TsButton::SetDown(bool value) {
    if (value == Down_) return;
    Down_ = value;
    update();
}

void TsButton::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    // The platform's own down state ends with any release; this one only when cleared.
    if (Down_) {
        option->state |= QStyle::State_Sunken;
        option->state &= ~QStyle::State_Raised;
    }
}

bool TsButton::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QPushButton::event(event); }
