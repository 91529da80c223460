// Names of the third-party lists in their numbered order.
#include "sStoredSkins.h"

const std::array<const char*, ThirdPartyList::Count>& ThirdPartyList::PropertyNames() {
    static const std::array<const char*, Count> names = {
        "ThirdEdits",     "ThirdButtons",   "ThirdBitBtns",       "ThirdCheckBoxes", "ThirdComboBoxes",
        "ThirdGrids",     "ThirdGroupBoxes", "ThirdListViews",    "ThirdPanels",     "ThirdTreeViews",
        "ThirdWWEdits",   "ThirdGridEh",    "ThirdVirtualTrees",  "ThirdPageControl", "ThirdTabControl",
        "ThirdToolBar",   "ThirdStatusBar", "ThirdSpeedButton",
    };
    return names;
}
