// Error types: every failure of the program is an exception carrying the message the user sees.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

/// Base of all the program's errors; what() is the text shown to the user.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A text file could not be created, written or closed; Code is the Windows-style error code.
/// Path and SystemText (what the system said) complete the message for the command line.
class EInOutError : public Exception {
public:
    EInOutError(int code, const std::string& message, std::string path = {}, std::string systemText = {})
        : Exception(message), ErrorCode(code), Path(std::move(path)), SystemText(std::move(systemText)) {}
    int ErrorCode;
    std::string Path;
    std::string SystemText;
};

/// A file could not be opened for reading.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

/// A file could not be created or written.
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

/// Memory for a picture could not be had.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};
