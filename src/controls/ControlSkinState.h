// What every control keeps of the skin commands while it still has the platform's plain look.
#pragma once

#include <QString>

class QEvent;
class QWidget;
class TsSkinManager;

/// The control's side of the skin command message: it answers "is skinned" with 1, so that the
/// broadcast sends it the commands directly, and follows the new-skin, remove and refresh commands.
class TsControlSkinState {
public:
    explicit TsControlSkinState(QString section) : SkinSection(std::move(section)) {}

    QString SkinSection;
    /// The manager of the last new-skin or refresh command; null after removal.
    TsSkinManager* SkinManager = nullptr;
    bool Skinned = false;
    /// Commands received, for the binding that will paint from the skin.
    int LastCommand = 0;
    int CommandCount = 0;

    /// Handles the event when it is a skin command; true then, and the answer is in the event.
    bool Handle(QWidget* control, QEvent* event);
};
