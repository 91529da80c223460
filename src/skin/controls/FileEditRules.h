// How a file edit's typed text becomes the open dialog's starting name and folder, and the folder a
// dropped name stands for.
#pragma once

#include <QString>

#include "platform/Dialogs.h"

/// True for a non-empty name without wildcards or characters that file names cannot hold.
bool IsUsableFileName(const QString& name);

/// Everything up to and including the last separator (also ":" on Windows); empty without one.
QString FolderPartOf(const QString& name);
/// Everything after the last separator.
QString FilePartOf(const QString& name);

/// Sets the dialog's starting name and folder from a typed name. A usable name becomes the file
/// name (empty when it ends in a separator), and its folder part, when that is an existing folder,
/// the initial folder. Any other text (empty, wildcards) leaves both as the last use left them.
void TakeTypedName(TOpenDialogSettings& dialog, const QString& name);

/// The folder a name dropped on a folder edit stands for: an existing file's folder part (with its
/// separator), anything else the name itself.
QString DroppedFolderOf(const QString& name);
