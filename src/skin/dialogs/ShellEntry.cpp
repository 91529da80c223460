// Shell entries and the desktop's entry.
#include "ShellEntry.h"

TShellEntry::TShellEntry(const TItemIdList& relative, const TShellEntry* parent, std::shared_ptr<IShellFolder> folder)
    : RelativeIdList(relative),
      AbsoluteIdList((parent != nullptr ? parent : &DesktopEntry())->AbsoluteIdList + relative),
      Parent(parent != nullptr ? parent : &DesktopEntry()),
      ShellFolder(std::move(folder)) {}

TShellEntry::TShellEntry(std::shared_ptr<IShellFolder> desktop) : Parent(nullptr), ShellFolder(std::move(desktop)) {}

std::shared_ptr<IShellFolder> TShellEntry::ParentFolder() const {
    if (Parent != nullptr && Parent->ShellFolder != nullptr) return Parent->ShellFolder;
    return DesktopEntry().ShellFolder;
}

const TShellEntry& DesktopEntry() {
    static const TShellEntry desktop(SHGetDesktopFolder());
    return desktop;
}
