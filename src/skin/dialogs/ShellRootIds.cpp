// The root ids' names and special folders.
#include "ShellRootIds.h"

#include <iterator>

#include "shell/ShellFolder.h"

namespace {
struct TRootIdInfo {
    const char* Name;
    int Csidl;
};

// In the order of TShellRootId.
constexpr TRootIdInfo kRootIds[] = {
    {"rfDesktop", CSIDL_DESKTOP},
    {"rfMyComputer", CSIDL_DRIVES},
    {"rfNetwork", CSIDL_NETWORK},
    {"rfRecycleBin", CSIDL_BITBUCKET},
    {"rfAppData", CSIDL_APPDATA},
    {"rfCommonDesktopDirectory", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"rfCommonPrograms", CSIDL_COMMON_PROGRAMS},
    {"rfCommonStartMenu", CSIDL_COMMON_STARTMENU},
    {"rfCommonStartup", CSIDL_COMMON_STARTUP},
    {"rfControlPanel", CSIDL_CONTROLS},
    {"rfDesktopDirectory", CSIDL_DESKTOPDIRECTORY},
    {"rfFavorites", CSIDL_FAVORITES},
    {"rfFonts", CSIDL_FONTS},
    {"rfInternet", CSIDL_INTERNET},
    {"rfPersonal", CSIDL_PERSONAL},
    {"rfPrinters", CSIDL_PRINTERS},
    {"rfPrintHood", CSIDL_PRINTHOOD},
    {"rfPrograms", CSIDL_PROGRAMS},
    {"rfRecent", CSIDL_RECENT},
    {"rfSendTo", CSIDL_SENDTO},
    {"rfStartMenu", CSIDL_STARTMENU},
    {"rfStartup", CSIDL_STARTUP},
    {"rfTemplates", CSIDL_TEMPLATES},
};
static_assert(std::size(kRootIds) == rfTemplates + 1);
}  // namespace

QString RootIdName(TShellRootId id) {
    return QString::fromLatin1(kRootIds[id].Name);
}

std::optional<TShellRootId> RootIdFromName(const QString& name) {
    for (size_t i = 0; i < std::size(kRootIds); ++i)
        if (name.compare(QLatin1String(kRootIds[i].Name), Qt::CaseInsensitive) == 0)
            return static_cast<TShellRootId>(i);
    return std::nullopt;
}

int RootIdCsidl(TShellRootId id) {
    return kRootIds[id].Csidl;
}
