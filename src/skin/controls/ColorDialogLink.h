// The program's colour dialog as the colour box sees it: registered at start-up by the dialog layer.
#pragma once

#include <functional>

#include <QStringList>

#include "core/Color.h"

class QWidget;

struct TColorDialogLink {
    /// Runs the shared colour dialog starting at the colour; true and the chosen colour on OK.
    std::function<bool(QWidget* owner, TColor& color)> Run;
    /// The shared dialog's custom colours (six hexadecimal digits, red first); empty while it does not
    /// exist yet.
    std::function<QStringList()> CustomColors;
};

/// Without a registered link the colour box runs the platform's plain colour dialog.
void SetColorDialogLink(TColorDialogLink link);
const TColorDialogLink& ColorDialogLink();
