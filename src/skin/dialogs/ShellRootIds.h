// TShellRootId: the special folders a folder tree can take as its root, by name.
#pragma once

#include <optional>

#include <QString>

enum TShellRootId {
    rfDesktop,
    rfMyComputer,
    rfNetwork,
    rfRecycleBin,
    rfAppData,
    rfCommonDesktopDirectory,
    rfCommonPrograms,
    rfCommonStartMenu,
    rfCommonStartup,
    rfControlPanel,
    rfDesktopDirectory,
    rfFavorites,
    rfFonts,
    rfInternet,
    rfPersonal,
    rfPrinters,
    rfPrintHood,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
};

/// The value's name, "rfDesktop" …
QString RootIdName(TShellRootId id);
/// The value of the name (case ignored), if any.
std::optional<TShellRootId> RootIdFromName(const QString& name);
/// The special folder (CSIDL) the value stands for.
int RootIdCsidl(TShellRootId id);
