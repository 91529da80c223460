// The platform's common dialogs: open-file, folder and colour pickers, with hooks for tests.
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "core/Color.h"

class QFileDialog;
class QWidget;

// Open-dialog options (the platform's bit values).
enum TOpenOption : unsigned {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
    ofDontAddToRecent = 1u << 20,
    ofForceShowHidden = 1u << 21,
};
using TOpenOptions = unsigned;

struct TOpenDialogSettings {
    QString Filter;  // "description|pattern|description|pattern"
    int FilterIndex = 1;
    QString DefaultExt;
    QString InitialDir;
    QString FileName;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
};

/// "desc|*.a;*.b|..." as Qt name filters ("desc (*.a *.b)"): Qt takes the patterns from the last
/// parentheses, so a description with parentheses of its own keeps them as text.
QStringList NameFiltersFromFilter(const QString& filter);

/// Sets up a Qt file dialog as the open dialog with these settings.
void ConfigureOpenDialog(QFileDialog& dialog, const TOpenDialogSettings& settings);

/// Runs the open dialog; true and the chosen name when the user confirmed.
bool RunOpenDialog(QWidget* owner, const TOpenDialogSettings& settings, QString& fileName);
/// What a folder edit asks of the folder dialog.
struct TFolderDialogRequest {
    QString Root = QStringLiteral("rfDesktop");  // a special folder's name or a path
    QString Text;                                 // the label over the folder tree
    QString SelectedPath;                         // an existing folder to open at, or empty
    bool AllowCreate = true;
    bool ShowRootButtons = false;
};
/// Runs the folder dialog; true and the chosen folder's path on OK (empty for a folder without one).
bool RunFolderDialog(QWidget* owner, const TFolderDialogRequest& request, QString& folder);
/// The program's folder dialog, installed at start-up by the layer that builds it; without one
/// RunFolderDialog shows Qt's plain folder picker.
struct TFolderDialogHooks {
    bool (*Run)(QWidget* owner, const TFolderDialogRequest& request, QString& folder) = nullptr;
};
/// Runs the colour dialog starting at the colour; true and the chosen RGB colour when confirmed.
bool RunColorDialog(QWidget* owner, TColor& color);

/// Classic dialogs are built from the program's own widgets (so that the window hook can reach
/// them) rather than the desktop's native ones.
void SetClassicDialogs(bool classic);
bool ClassicDialogs();

/// Test hooks: when set, the dialogs call these instead of showing anything.
using OpenDialogHook = std::function<bool(const TOpenDialogSettings&, QString&)>;
using FolderDialogHook = std::function<bool(const TFolderDialogRequest&, QString&)>;
using ColorDialogHook = std::function<bool(TColor&)>;
void SetOpenDialogHook(OpenDialogHook hook);
void SetFolderDialogHook(FolderDialogHook hook);
void SetColorDialogHook(ColorDialogHook hook);
