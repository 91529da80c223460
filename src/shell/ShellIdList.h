// Item identifier lists of the shell namespace: where an item lies, one id per level below the desktop.
#pragma once

#include <vector>

#include <QString>

/// One level of an item identifier list.
struct TShellItemId {
    enum TKind : unsigned char {
        ikName,      // a file or folder inside a file-system folder; Text is its name
        ikComputer,  // the virtual computer folder; Text is empty
        ikVolume,    // a drive root or mount point listed by the computer folder; Text is its root path
    };
    TKind Kind = ikName;
    QString Text;

    bool operator==(const TShellItemId&) const = default;
};

/// An owned list of item ids. Absolute lists start at the desktop (the empty list is the desktop
/// itself); relative lists hold the levels below some folder.
class TItemIdList {
public:
    TItemIdList() = default;
    explicit TItemIdList(std::vector<TShellItemId> ids) : Ids_(std::move(ids)) {}
    static TItemIdList Of(TShellItemId::TKind kind, const QString& text = QString());

    bool IsEmpty() const { return Ids_.empty(); }
    int Count() const { return static_cast<int>(Ids_.size()); }
    const TShellItemId& operator[](int index) const { return Ids_[static_cast<size_t>(index)]; }
    const TShellItemId& Last() const { return Ids_.back(); }

    /// Without the last level (the desktop stays the desktop).
    TItemIdList Parent() const;
    /// The last level on its own, as a list relative to the parent.
    TItemIdList LastItem() const;
    /// The first levels.
    TItemIdList Left(int count) const;
    /// The levels from the index on.
    TItemIdList Mid(int from) const;
    bool StartsWith(const TItemIdList& prefix) const;
    /// The list followed by a relative one.
    TItemIdList operator+(const TItemIdList& tail) const;

    bool operator==(const TItemIdList&) const = default;

private:
    std::vector<TShellItemId> Ids_;
};
