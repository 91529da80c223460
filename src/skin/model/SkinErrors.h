// Errors raised while a skin package or a skin's options and pictures are read.
#pragma once

#include "core/Exception.h"

/// The package is not a skin package or its layout is broken.
class ESkinPackageError : public Exception {
public:
    using Exception::Exception;
};

/// zlib refused an entry; the message is zlib's text for the code.
class EZDecompressionError : public Exception {
public:
    using Exception::Exception;
};

/// A stream gave fewer bytes than were asked for: "Stream read error".
class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}
};

/// The options of a skin cannot be turned into a model.
class ESkinLoadError : public Exception {
public:
    using Exception::Exception;
};
