// The program's string table: the user-interface texts of the skin engine's dialogs, by id.
#pragma once

#include <QString>

constexpr int s_Create = 58910;
constexpr int s_SelectDirectory = 58911;
// The system menu's items, where the window's platform menu gives no texts.
constexpr int s_Restore = 58920;
constexpr int s_Move = 58921;
constexpr int s_Size = 58922;
constexpr int s_Minimize = 58923;
constexpr int s_Maximize = 58924;
constexpr int s_Close = 58925;
constexpr int s_HexPrefix = 58951;
constexpr int s_DecimalPrefix = 58952;
constexpr int s_Blue = 58953;
constexpr int s_Green = 58954;
constexpr int s_Red = 58955;
constexpr int s_Color = 58956;
constexpr int s_AdditionalColors = 58957;
constexpr int s_MainPalette = 58958;
constexpr int s_DefineColors = 58959;
constexpr int s_AddToCustomColors = 58960;
constexpr int s_Help = 58990;
constexpr int s_Cancel = 58991;
constexpr int s_OK = 58992;

/// The text of the id; empty for an id the table lacks.
QString LoadResString(int id);
