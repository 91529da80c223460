// The skin manager's process-wide state as a leftover check of the GUI suites that make managers.
#include "platform/TestIsolation.h"
#include "skin/manager/sSkinManager.h"

namespace {

std::vector<std::string> LeftManagerState() {
    std::vector<std::string> left;
    if (TsSkinManager::DefaultManager() != nullptr) left.push_back("a default skin manager");
    if (!TsSkinManager::ProviderForms().empty()) left.push_back("registered provider forms");
    if (!TsSkinManager::HookedWindows().empty()) left.push_back("hooked windows");
    if (TsSkinManager::SkinLoading()) left.push_back("the skin-loading flag");
    if (TsSkinManager::AnimatingSkinChange()) left.push_back("the skin-changing animation flag");
    TsSkinManager::ProviderForms().clear();
    TsSkinManager::HookedWindows().clear();
    TsSkinManager::SetMessageHook(nullptr);
    TsSkinManager::SetChildFilter(nullptr);
    return left;
}

const bool kLeftoversRegistered = [] {
    AddLeftoverCheck(LeftManagerState);
    return true;
}();

}  // namespace
