// Message boxes with the platform's look: captions, icons and buttons as the program asks for them.
#pragma once

#include <exception>

#include <QString>

class QWidget;

constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

/// A modal box owned by the window (none: the active window); returns the button pressed.
int MessageBoxW(QWidget* owner, const QString& text, const QString& caption, unsigned type);

/// The application's title: the executable's name up to its first ".", every character after the
/// first lower-cased.
QString ApplicationTitle();
/// The same rule applied to a file name.
QString ApplicationTitleFor(const QString& executableName);

/// The application's default error box for an escaped error: the message with the full-stop rule,
/// the application title, the error icon and one OK button, owned by the active window.
void ShowDefaultErrorBox(const std::exception& error);
void ShowDefaultErrorBox(const QString& message);

/// The skin engine's own error box: caption "Error", error icon, OK button.
void ShowErrorBox(const QString& message);
