// Writing skin packages from skin folders and writing packages back out as files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// The package of a skin folder: its Options.dat first, then every BMP, PNG and JPEG picture in
/// byte order of the names, each deflated at level 9, so that the same folder gives the same bytes.
/// Throws Exception when the folder has no Options.dat.
std::vector<uint8_t> PackSkinFolder(const std::string& folder);

/// Writes every entry of the package file as a file of the folder (created when missing); the
/// options entry becomes "Options.dat". Returns the number of files written.
int UnpackSkinPackage(const std::string& packageFile, const std::string& folder);
