// Sending the skin command message.
#include "NimbrelCommand.h"

#include <QCoreApplication>

TNimbrelCommandEvent* AsNimbrelCommand(QEvent* event) {
    if (event == nullptr || event->type() != TNimbrelCommandEvent::EventType) return nullptr;
    return static_cast<TNimbrelCommandEvent*>(event);
}

intptr_t SendNimbrelCommand(QObject* receiver, uint32_t wParam, intptr_t lParam) {
    if (receiver == nullptr) return 0;
    TNimbrelCommandEvent event(wParam, lParam);
    QCoreApplication::sendEvent(receiver, &event);
    return event.Result;
}

bool AnswersSkinCommands(QObject* receiver) {
    return SendNimbrelCommand(receiver, MakeNimbrelParam(AC_CTRLHANDLED)) == 1;
}
