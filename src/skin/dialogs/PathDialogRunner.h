// The folder dialog as the folder edits run it: installed with the platform at start-up.
#pragma once

#include <memory>

#include <QString>

#include "platform/Dialogs.h"

class QWidget;
class TPathDialogForm;

/// The dialog for one request, set up and not yet shown: captions, buttons, root and the selected folder.
std::unique_ptr<TPathDialogForm> CreatePathDialog(const TFolderDialogRequest& request);

/// Creates the dialog for one request, shows it modally and destroys it; true and the selected
/// folder's path on OK.
bool RunPathDialog(QWidget* owner, const TFolderDialogRequest& request, QString& folder);

/// The folder edits' link to RunPathDialog.
inline TFolderDialogHooks PathDialogHooks() { return {&RunPathDialog}; }
