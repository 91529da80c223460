// The shell namespace: the desktop, the virtual computer folder and the file-system folders below it.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "ShellIdList.h"

// What EnumObjects lists.
constexpr unsigned SHCONTF_FOLDERS = 0x20;
constexpr unsigned SHCONTF_NONFOLDERS = 0x40;
constexpr unsigned SHCONTF_INCLUDEHIDDEN = 0x80;

// Display name kinds: the name for a user, the name within its folder, the name to parse back.
constexpr unsigned SHGDN_NORMAL = 0x0;
constexpr unsigned SHGDN_INFOLDER = 0x1;
constexpr unsigned SHGDN_FORPARSING = 0x8000;

// Item attributes.
constexpr unsigned SFGAO_CANRENAME = 0x10;
constexpr unsigned SFGAO_CANDELETE = 0x20;
constexpr unsigned SFGAO_SHARE = 0x20000;
constexpr unsigned SFGAO_FOLDER = 0x20000000;
constexpr unsigned SFGAO_FILESYSTEM = 0x40000000;
constexpr unsigned SFGAO_HASSUBFOLDER = 0x80000000;

// Special folders.
constexpr int CSIDL_DESKTOP = 0;
constexpr int CSIDL_INTERNET = 1;
constexpr int CSIDL_PROGRAMS = 2;
constexpr int CSIDL_CONTROLS = 3;
constexpr int CSIDL_PRINTERS = 4;
constexpr int CSIDL_PERSONAL = 5;
constexpr int CSIDL_FAVORITES = 6;
constexpr int CSIDL_STARTUP = 7;
constexpr int CSIDL_RECENT = 8;
constexpr int CSIDL_SENDTO = 9;
constexpr int CSIDL_BITBUCKET = 10;
constexpr int CSIDL_STARTMENU = 11;
constexpr int CSIDL_DESKTOPDIRECTORY = 16;
constexpr int CSIDL_DRIVES = 17;
constexpr int CSIDL_NETWORK = 18;
constexpr int CSIDL_FONTS = 20;
constexpr int CSIDL_TEMPLATES = 21;
constexpr int CSIDL_COMMON_STARTMENU = 22;
constexpr int CSIDL_COMMON_PROGRAMS = 23;
constexpr int CSIDL_COMMON_STARTUP = 24;
constexpr int CSIDL_COMMON_DESKTOPDIRECTORY = 25;
constexpr int CSIDL_APPDATA = 26;
constexpr int CSIDL_PRINTHOOD = 27;

/// The parsing name of the computer folder.
inline constexpr const char* kComputerParsingName = "::{Computer}";

/// A folder of the namespace, reached by its absolute identifier list. Lists handed to its
/// methods are relative to it (one level for its children, more for items further down).
class IShellFolder {
public:
    explicit IShellFolder(TItemIdList absolute) : Absolute_(std::move(absolute)) {}

    const TItemIdList& AbsoluteIdList() const { return Absolute_; }

    /// The children of the kinds the SHCONTF_ flags ask for, unsorted; nothing when the folder
    /// cannot be listed.
    std::optional<std::vector<TItemIdList>> EnumObjects(unsigned flags) const;
    /// The item's own folder; null when the item is no container.
    std::shared_ptr<IShellFolder> BindToObject(const TItemIdList& relative) const;
    /// The namespace's order of two items (column 0: by name): negative, zero (the same item) or
    /// positive, in the low 16 bits.
    int CompareIDs(int column, const TItemIdList& a, const TItemIdList& b) const;
    /// Those of the requested SFGAO_ attributes the item has.
    unsigned GetAttributesOf(const TItemIdList& relative, unsigned requested) const;
    /// The item's name of the SHGDN_ kind; empty for a list that names nothing.
    QString GetDisplayNameOf(const TItemIdList& relative, unsigned flags) const;
    /// An existing item's path (absolute, or relative to this folder) or the computer's parsing
    /// name as a list relative to this folder; false when nothing of that name lies below it.
    bool ParseDisplayName(const QString& name, TItemIdList& relative) const;
    /// Renames an item below this folder; its new relative list on success.
    bool SetNameOf(const TItemIdList& relative, const QString& name, unsigned flags, TItemIdList& newRelative) const;

private:
    TItemIdList Absolute_;
};

/// The desktop, the namespace's root.
std::shared_ptr<IShellFolder> SHGetDesktopFolder();

/// The absolute list of a special folder; false for folders this system does not have (the
/// network, the printers, the recycle bin …) and for those missing on this machine.
bool SHGetSpecialFolderLocation(int csidl, TItemIdList& absolute);

/// The file-system path of an item's absolute list (native separators); empty for the computer
/// folder and for lists that name nothing. The desktop's path is DesktopPath().
QString ShellItemPath(const TItemIdList& absolute);
