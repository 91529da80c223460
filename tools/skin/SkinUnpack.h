// Writing the entries of a skin package back out as files.
#pragma once

#include <string>

/// Writes every entry of the package file as a file of the folder (created when missing); the
/// options entry becomes "Options.dat". Returns the number of files written.
int UnpackSkinPackage(const std::string& packageFile, const std::string& folder);
