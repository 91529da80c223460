// The shot command's windows: the program's forms as it creates them, with the asked skin loaded.
#pragma once

#include <string>

#include "ShotOptions.h"

class TForm;
class TsSkinManager;

struct ShotWindow {
    TForm* Form = nullptr;             // the window to show and take
    TsSkinManager* Manager = nullptr;  // the skin manager of the program's form data
    std::string Title;                 // "the main window", for messages
};

/// Creates what the program creates at start-up for the asked window: always the main window (its
/// form data holds the skin manager, internal skin and hue offset included), and the about window
/// for "about", the colour dialog's form set up by the shared dialog for "color" (opened for the
/// request's colour, black by default), the folder dialog set up as the main window's folder edit
/// opens it for "folder" (the tree opened at the request's path). Nothing is shown yet. The
/// application object owns the forms.
ShotWindow CreateShotWindow(const ShotRequest& request);

/// Loads a package file (NAME.qrv) or a skin folder into the manager by its skin directory and skin
/// name, as the program finds a skin; an empty source keeps the internal skin. Load errors and the
/// manager's messages become a ShotError (kShotExitFailed); other messages go to standard error.
void LoadShotSource(TsSkinManager& manager, const std::string& source);
