// Whole-file reading and writing with the program's error messages.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

/// Reads every byte of the file. Throws EFOpenError "Cannot open file "PATH". DESCRIPTION".
std::vector<uint8_t> ReadWholeFile(const std::string& path);

/// Creates the file (replacing an existing one) and writes the bytes. Throws EFCreateError
/// "Cannot create file "PATH". DESCRIPTION" when it cannot be created, and removes a file it could
/// not write completely ("Cannot write file "PATH". DESCRIPTION").
void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes);

/// Joins a folder text and a file name with one separator, exactly as typed otherwise.
std::string JoinPath(const std::string& folder, const std::string& name);
