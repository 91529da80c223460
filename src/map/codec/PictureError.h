// The error raised when a picture's bytes cannot be decoded.
#pragma once

#include "core/Exception.h"

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};
