// Skin folders, packages and stored skins for the manager's tests.
#pragma once

#include <QString>

#include <string>

#include "skin/manager/sStoredSkins.h"

/// Copies the test skin into the folder (created) with its VERSION line set to the value.
void MakeSkinFolder(const std::string& folder, const std::string& version);
/// Writes a package of the test skin, with that version, as the file.
void MakeSkinPackage(const std::string& file, const std::string& version);
/// The test skin's options text with that version.
std::string SkinOptionsText(const std::string& version);

/// The name of the skin the program carries.
inline const QString kGlimmer = QStringLiteral("Glimmer (internal)");
/// A stored skin holding the program's internal package, as the main window's form data has it.
TsStoredSkin Glimmer();
