// Where the manager looks for skins: the resolved skin directory and package file names.
#pragma once

#include <string>

/// The skin directory resolved against the program's folder (which ends with a separator):
/// "..\x" goes up one level, ".\x" and names without a drive or a leading "\\" are relative to it,
/// anything else (and, outside Windows, a path from the root) is kept.
std::string ResolveSkinDirectoryFor(const std::string& directory, const std::string& programFolder);

/// The package file of a skin: the directory itself (not resolved) made to end with "\", then the
/// name and ".qrv"; a one-character directory is taken as a drive.
std::string PackageFileFor(const std::string& directory, const std::string& skinName);

/// The path with "\" turned into the platform's separator.
std::string NativeSkinPath(const std::string& path);

/// The folder holding the running program, ending with a separator.
std::string ProgramFolder();
