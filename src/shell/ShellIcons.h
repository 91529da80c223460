// The shell's icons: one process-wide image list of every icon handed out, reached by index.
#pragma once

#include <QIcon>

#include "ShellIdList.h"

constexpr unsigned SHGFI_LARGEICON = 0x0;
constexpr unsigned SHGFI_SMALLICON = 0x1;
constexpr unsigned SHGFI_OPENICON = 0x2;
constexpr unsigned SHGFI_SYSICONINDEX = 0x4000;

/// The system image list: icons by index, each distinct picture once; index 0 is the generic
/// document. Created on first use, freed when the application object goes.
class TSystemImageList {
public:
    int Count() const { return static_cast<int>(Icons_.size()); }
    /// The icon at the index; a null icon for an index out of range.
    QIcon Icon(int index) const;
    /// The index of the icon's picture, added when new.
    int Add(const QIcon& icon);

private:
    std::vector<QIcon> Icons_;
    std::vector<QByteArray> Keys_;
};

TSystemImageList& SystemImageList();

/// The SHGFI_SYSICONINDEX query: the item's icon index in SystemImageList(); with SHGFI_OPENICON
/// the icon of an open folder (the same index for items without one).
int ShellIconIndex(const TItemIdList& absolute, unsigned flags);
