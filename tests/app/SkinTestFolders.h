// Skin folders and packages for the manager's tests, made from the small test skin.
#pragma once

#include <string>

/// Copies the test skin into the folder (created) with its VERSION line set to the value.
void MakeSkinFolder(const std::string& folder, const std::string& version);
/// Writes a package of the test skin, with that version, as the file.
void MakeSkinPackage(const std::string& file, const std::string& version);
/// The test skin's options text with that version.
std::string SkinOptionsText(const std::string& version);
