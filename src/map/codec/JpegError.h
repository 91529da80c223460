// The error of the JPEG decoder.
#pragma once

#include <string>

#include "MapSourceError.h"

/// The JPEG library stopped with a fatal error; Code is the library's message code.
class EJpegError : public EMapSourceError {
public:
    explicit EJpegError(int code, std::string libraryText = {}, std::string path = {})
        : EMapSourceError("JPEG error #" + std::to_string(code), std::move(libraryText), std::move(path)), Code(code) {}
    int Code;
};
