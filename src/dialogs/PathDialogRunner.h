// The folder dialog as the folder edits run it: registered with the platform at start-up.
#pragma once

#include <QString>

#include "platform/Dialogs.h"

class QWidget;

/// Creates the dialog for one request, shows it modally and destroys it; true and the selected
/// folder's path on OK.
bool RunPathDialog(QWidget* owner, const TFolderDialogRequest& request, QString& folder);

/// Makes RunPathDialog the program's folder dialog.
void RegisterPathDialog();
