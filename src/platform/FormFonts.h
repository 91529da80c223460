// The forms' font family: Tahoma from the system, or loaded from known font files where it is missing.
#pragma once

#include <QString>
#include <QStringList>

/// The folders searched for tahoma.ttf and tahomabd.ttf when the system has no Tahoma (Debian's
/// fonts-wine puts them outside the font configuration's folders).
QStringList FormFontFolders();

/// Makes "Tahoma" available to the application when the system lacks it, by loading the regular and
/// bold files from the first folder of FormFontFolders() that has them. Needs the application
/// object. Returns whether the family is available afterwards.
bool EnsureFormFonts();
