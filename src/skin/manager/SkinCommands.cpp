// Asking a receiver whether it speaks the skin protocol.
#include "SkinCommands.h"

bool AnswersSkinCommands(QObject* receiver) {
    return SendNimbrelCommand(receiver, MakeNimbrelParam(AC_CTRLHANDLED)) == 1;
}
