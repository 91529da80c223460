// Error types: every failure of the program is an exception carrying the message the user sees.
#pragma once

#include <stdexcept>
#include <string>

/// Base of all the program's errors; what() is the text shown to the user.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A text file could not be created, written or closed; Code is the Windows-style error code.
class EInOutError : public Exception {
public:
    EInOutError(int code, const std::string& message) : Exception(message), ErrorCode(code) {}
    int ErrorCode;
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

/// The JPEG library stopped with a fatal error; Code is the library's message code.
class EJpegError : public Exception {
public:
    explicit EJpegError(int code) : Exception("JPEG error #" + std::to_string(code)), Code(code) {}
    int Code;
};

/// Memory for a picture could not be had.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};
