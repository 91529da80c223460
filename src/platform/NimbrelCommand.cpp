// Sending the skin command message.
#include "NimbrelCommand.h"

#include <QCoreApplication>

TNimbrelCommandEvent* AsNimbrelCommand(QEvent* event) {
    if (event == nullptr || event->type() != TNimbrelCommandEvent::EventType) return nullptr;
    return static_cast<TNimbrelCommandEvent*>(event);
}

namespace {
intptr_t Send(QObject* receiver, TNimbrelCommandEvent& event) {
    if (receiver == nullptr) return 0;
    QCoreApplication::sendEvent(receiver, &event);
    return event.Result;
}
}  // namespace

intptr_t SendNimbrelCommand(QObject* receiver, uint32_t wParam, intptr_t lParam) {
    TNimbrelCommandEvent event(wParam, lParam);
    return Send(receiver, event);
}

intptr_t SendSkinCommand(QObject* receiver, uint32_t wParam, TsSkinManager* manager) {
    TNimbrelCommandEvent event(wParam, manager);
    return Send(receiver, event);
}
