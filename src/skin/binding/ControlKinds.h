// Kind codes of the skinned control classes, the three kind sets and the default section of a kind.
#pragma once

#include <QString>

// The fixed kind code each skinned class stores in its binding (0: a class without one, the labels).
constexpr int ckNone = 0;
constexpr int ckCustomComboBoxEx = 1;
constexpr int ckEdit = 3;  // also TsMaskEdit
constexpr int ckCustomColorBox = 9;
constexpr int ckCurrencyEdit = 41;
constexpr int ckPanel = 51;
constexpr int ckSpeedButton = 92;
constexpr int ckBevel = 92;
constexpr int ckButton = 93;
constexpr int ckBitBtn = 94;
constexpr int ckTreeView = 96;
constexpr int ckFileDirEdit = 132;
constexpr int ckFilenameEdit = 133;
constexpr int ckDirectoryEdit = 134;
constexpr int ckCustomComboEdit = 138;
constexpr int ckProgressBar = 161;

/// Edit-like kinds take their Color and font colour from the section and repaint their frame on
/// hover and focus changes.
bool IsEditLikeKind(int kind);
/// Kinds that never get MouseOver (no hot look from the mouse).
bool IsNoHoverKind(int kind);
/// Kinds without a glow on hover.
bool IsNoGlowKind(int kind);
/// Button kinds (speed button, button, bit button) start their glow themselves.
constexpr bool IsSelfGlowingKind(int kind) { return kind >= 92 && kind <= 94; }
/// Panel-like containers that keep the plain-background bit of their skin state up to date.
bool IsContainerKind(int kind);

/// The section a control of the kind uses when its form names none: the table's section, or the
/// owner's class name upper-cased for kinds the table does not list.
QString DefaultSectionForKind(int kind, const QString& className);
