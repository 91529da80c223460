// What the frames tests share: the program's skin, forms shaped like the program's windows, mouse events.
#pragma once

#include <memory>

#include <QPoint>

#include "skin/effects/EffectsTestSupport.h"
#include "skin/frames/sSkinProvider.h"
#include "platform/Forms.h"

/// A form shaped like the program's main window (bsSingle, system menu and minimize, client
/// 393 x 195) or, with about, like the about window (bsDialog, client 428 x 334).
class TFrameTestForm : public TForm {
    Q_OBJECT
public:
    explicit TFrameTestForm(bool about = false);
    /// Whether the close query lets the form close, and how often it was asked.
    bool AllowClose = true;
    int CloseQueries = 0;
    bool CloseQuery() override {
        ++CloseQueries;
        return AllowClose;
    }
};

/// The framework's message form, by its class name.
class TMessageForm : public TForm {
    Q_OBJECT
};

/// A class of the hook's skip list.
class TfcPopup : public TForm {
    Q_OBJECT
};

/// Shows the form and waits until it is exposed and active.
void ShowActive(TForm& form);

/// Sends a mouse event of the type to the window at a point in window coordinates: a press, double
/// click or release of button, or a move with the buttons held.
void SendMouse(QWidget* window, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::MouseButtons held = Qt::NoButton);
