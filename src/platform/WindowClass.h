// Window class names as the skin engine knows them.
#pragma once

#include <QString>

class QWidget;

/// The program's forms and controls answer with their own class names ("TForm2", "TsButton");
/// dialogs that are not program forms (file, colour and message boxes) with "#32770"; tool bars
/// with "ToolbarWindow32".
QString WindowClassName(const QWidget* window);
