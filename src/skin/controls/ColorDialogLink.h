// The program's colour dialog as the colour box sees it: installed at start-up by the dialog layer.
#pragma once

#include <QStringList>

#include "core/Color.h"

class QWidget;

/// Without these the colour box runs the platform's plain colour dialog and has no saved colours.
struct TColorDialogLink {
    /// Runs the shared colour dialog starting at the colour; true and the chosen colour on OK.
    bool (*Run)(QWidget* owner, TColor& color) = nullptr;
    /// The shared dialog's custom colours (six hexadecimal digits, red first); empty while it does not
    /// exist yet.
    QStringList (*CustomColors)() = nullptr;
};
