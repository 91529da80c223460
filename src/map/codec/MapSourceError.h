// The base of every error of reading a map picture, whatever its kind.
#pragma once

#include <string>
#include <utility>

#include "core/Exception.h"

/// A map picture could not be read. The decoding library's own text and the file's path, where
/// known, complete the message for the command line.
class EMapSourceError : public Exception {
public:
    explicit EMapSourceError(const std::string& message, std::string libraryText = {}, std::string path = {})
        : Exception(message), LibraryText(std::move(libraryText)), Path(std::move(path)) {}
    std::string LibraryText;
    std::string Path;
};
