// The manager's option objects: stored skins, third-party class lists, animations, menus, effects.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>

#include "core/Color.h"

/// A skin kept with the program: its name and package bytes, plus information about it.
struct TsStoredSkin {
    QString Name;
    QByteArray Data;  // the package bytes; may borrow read-only embedded memory
    TColor Shadow1Color = clBlack;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = 0xFF00FF;
    double Version = 0;
    QString Author;
    QString Description;
};
using TsStoredSkins = std::vector<TsStoredSkin>;

/// Class names of other vendors' controls to skin, one list per kind.
struct ThirdPartyList {
    static constexpr int Count = 18;
    static const std::array<const char*, Count>& PropertyNames();
    std::array<QString, Count> Lists;  // each: class names, one per line
    QString& ThirdButtons() { return Lists[1]; }
};

enum TsAnimType { atFading, atAero };

struct TsAnimation {
    bool Active = true;
    uint16_t Time = 0;
    TsAnimType Mode = atAero;
};

enum TsButtonEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };

struct TsAnimEffects {
    struct {
        bool Active = false;
        uint16_t Time = 1000;
        uint8_t BlendValue = 170;
    } BlendOnMoving;
    struct {
        unsigned Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
    } Buttons;
    TsAnimation DialogShow;
    TsAnimation FormShow;
    TsAnimation FormHide;
    TsAnimation DialogHide;
    TsAnimation Minimizing{true, 200, atAero};
    TsAnimation PageChange;
    TsAnimation SkinChanging{true, 100, atFading};
};

struct TsMenuSupport {
    QString IcoLineSkin;
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
    QFont ExtraLineFont;
    TColor ExtraLineFontColor = clWindowText;
};

struct TsEffects {
    bool AllowGlowing = true;
};

enum TsSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TsSkinningRules = unsigned;

enum TsSkinListKind { slUnpacked = 0, slPacked = 1, slAll = 2 };
