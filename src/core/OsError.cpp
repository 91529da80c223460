// errno to message texts and Windows-style codes.
#include "OsError.h"

#include <cerrno>

#include "os/ErrorText.h"

std::string TrimOsDescription(std::string text) {
    while (!text.empty()) {
        char c = text.back();
        if (c == ' ' || c == '\r' || c == '\n' || c == '.' || c == '\t') {
            text.pop_back();
        } else {
            break;
        }
    }
    return text;
}

std::string OsErrorDescription(int errnoValue) {
    return TrimOsDescription(SystemErrorText(errnoValue));
}

int OsErrorCode(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return 3;  // the path to the file does not exist
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EISDIR:
        case ETXTBSY:
            return 5;
        case EROFS:
            return 19;
        case EBUSY:
            return 32;
        case EEXIST:
            return 80;
        case EINVAL:
            return 87;
        case ENOSPC:
#ifdef EDQUOT  // Windows has no disk quota error
        case EDQUOT:
#endif
            return 112;
        case EIO:
            return 1117;
        default:
            return errnoValue;
    }
}

std::string InOutErrorMessage(int code, const std::string& path) {
    switch (code) {
        case 2:
            return "File not found";
        case 3:
            return "Invalid file name - " + path;
        case 4:
            return "Too many open files";
        case 5:
            return "File access denied";
        default:
            return "I/O error " + std::to_string(code);
    }
}
