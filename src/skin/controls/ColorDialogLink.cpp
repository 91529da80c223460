// The registered colour dialog link.
#include "ColorDialogLink.h"

namespace {
TColorDialogLink& Link() {
    static TColorDialogLink link;
    return link;
}
}  // namespace

void SetColorDialogLink(TColorDialogLink link) { Link() = std::move(link); }
const TColorDialogLink& ColorDialogLink() { return Link(); }
