// Failure messages for the command line. The window shows the engine's own texts; a terminal user
// also wants to know which file failed and why.
#include "FailureText.h"

#include "core/Exception.h"

std::string FailureText(const std::exception& error) {
    if (const auto* io = dynamic_cast<const EInOutError*>(&error); io != nullptr && !io->Path.empty()) {
        return io->Path + ": " + io->SystemText + " (I/O error " + std::to_string(io->ErrorCode) + ")";
    }
    if (const auto* jpeg = dynamic_cast<const EJpegError*>(&error); jpeg != nullptr && !jpeg->LibraryText.empty()) {
        const std::string where = jpeg->Path.empty() ? std::string() : jpeg->Path + ": ";
        return where + jpeg->LibraryText + " (" + jpeg->what() + ")";
    }
    return error.what();
}
