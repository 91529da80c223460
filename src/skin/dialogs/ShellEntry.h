// TShellEntry: what a node of the folder tree knows of its shell item.
#pragma once

#include <memory>

#include "shell/ShellFolder.h"
#include "shell/ShellIdList.h"

class TShellEntry {
public:
    /// The entry of the item at the list relative to the parent (the desktop's entry when none).
    TShellEntry(const TItemIdList& relative, const TShellEntry* parent, std::shared_ptr<IShellFolder> folder = {});

    TItemIdList RelativeIdList;
    /// The parent's absolute list followed by the relative one.
    TItemIdList AbsoluteIdList;
    /// Null only for the desktop's own entry.
    const TShellEntry* Parent;
    /// The item's own folder; null for items that are no containers.
    std::shared_ptr<IShellFolder> ShellFolder;

    /// The folder that holds the item, to which RelativeIdList is relative.
    std::shared_ptr<IShellFolder> ParentFolder() const;

private:
    friend const TShellEntry& DesktopEntry();
    explicit TShellEntry(std::shared_ptr<IShellFolder> desktop);
};

/// The desktop's entry, the parent of entries without one.
const TShellEntry& DesktopEntry();
