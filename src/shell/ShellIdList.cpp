// Item identifier lists.
#include "ShellIdList.h"

#include <algorithm>

TItemIdList TItemIdList::Of(TShellItemId::TKind kind, const QString& text) {
    return TItemIdList({TShellItemId{kind, text}});
}

TItemIdList TItemIdList::Parent() const {
    if (Ids_.empty()) return {};
    return TItemIdList(std::vector<TShellItemId>(Ids_.begin(), Ids_.end() - 1));
}

TItemIdList TItemIdList::LastItem() const {
    if (Ids_.empty()) return {};
    return TItemIdList({Ids_.back()});
}

TItemIdList TItemIdList::Left(int count) const {
    const size_t n = static_cast<size_t>(std::clamp(count, 0, Count()));
    return TItemIdList(std::vector<TShellItemId>(Ids_.begin(), Ids_.begin() + static_cast<std::ptrdiff_t>(n)));
}

TItemIdList TItemIdList::Mid(int from) const {
    if (from >= Count()) return {};
    return TItemIdList(std::vector<TShellItemId>(Ids_.begin() + std::max(from, 0), Ids_.end()));
}

bool TItemIdList::StartsWith(const TItemIdList& prefix) const {
    return prefix.Ids_.size() <= Ids_.size() && std::equal(prefix.Ids_.begin(), prefix.Ids_.end(), Ids_.begin());
}

TItemIdList TItemIdList::operator+(const TItemIdList& tail) const {
    std::vector<TShellItemId> ids = Ids_;
    ids.insert(ids.end(), tail.Ids_.begin(), tail.Ids_.end());
    return TItemIdList(std::move(ids));
}
