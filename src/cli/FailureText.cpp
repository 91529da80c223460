// Failure messages for the command line. The window shows the engine's own texts; a terminal user
// also wants to know which file failed and why.
#include "FailureText.h"

#include "core/Exception.h"
#include "map/codec/MapSourceError.h"

std::string FailureText(const std::exception& error) {
    if (const auto* io = dynamic_cast<const EInOutError*>(&error); io != nullptr && !io->Path.empty()) {
        return io->Path + ": " + io->SystemText + " (I/O error " + std::to_string(io->ErrorCode) + ")";
    }
    if (const auto* map = dynamic_cast<const EMapSourceError*>(&error); map != nullptr && !map->LibraryText.empty()) {
        const std::string where = map->Path.empty() ? std::string() : map->Path + ": ";
        return where + map->LibraryText + " (" + map->what() + ")";
    }
    return error.what();
}
