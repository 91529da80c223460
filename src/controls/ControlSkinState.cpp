// The plain controls' reactions to the skin commands.
#include "ControlSkinState.h"

#include <QWidget>

#include "platform/NimbrelCommand.h"

bool TsControlSkinState::Handle(QWidget* control, QEvent* event) {
    TNimbrelCommandEvent* command = AsNimbrelCommand(event);
    if (command == nullptr) return false;
    LastCommand = command->Command();
    ++CommandCount;
    switch (command->Command()) {
        case AC_CTRLHANDLED: command->Result = 1; break;
        case AC_SETNEWSKIN:
        case AC_REFRESH:
            SkinManager = command->Manager();
            Skinned = true;
            control->update();
            break;
        case AC_REMOVESKIN:
            SkinManager = nullptr;
            Skinned = false;
            control->update();
            break;
        default: break;
    }
    return true;
}
