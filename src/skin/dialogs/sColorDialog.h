// TsColorDialog: the colour dialog component, the process's shared dialog and its link to the colour box.
#pragma once

#include <functional>

#include <QObject>
#include <QStringList>

#include "core/Color.h"
#include "skin/controls/ColorDialogLink.h"

class QWidget;
class TsColorDialogForm;

enum TColorDialogOption : unsigned {
    cdFullOpen = 1u << 0,
    cdPreventFullOpen = 1u << 1,
    cdShowHelp = 1u << 2,
    cdSolidColor = 1u << 3,
    cdAnyColor = 1u << 4,
};
using TColorDialogOptions = unsigned;

class TsColorDialog : public QObject {
    Q_OBJECT
public:
    explicit TsColorDialog(QObject* owner = nullptr);
    ~TsColorDialog() override;

    /// The chosen colour, in and out.
    TColor Color = clBlack;
    /// The additional colours, six hexadecimal digits each, red first; kept after a Cancel too.
    QStringList CustomColors;
    /// Replaces the main palette when not empty.
    QStringList MainColors;
    TColorDialogOptions Options = cdFullOpen;
    /// Runs the platform's plain colour dialog instead of the program's own.
    bool StandardDlg = false;
    int HelpContext = 0;
    std::function<void(QObject*)> OnShow;
    std::function<void(QObject*)> OnClose;

    /// Shows the dialog modally; true when the user confirmed. Without a skin manager, or with
    /// StandardDlg, the platform's plain dialog runs instead.
    bool Execute(QWidget* owner = nullptr);
    /// A new form set up for Color, the palettes and the options, as Execute shows it (not shown;
    /// the caller owns it).
    TsColorDialogForm* CreateForm();
    /// The form while Execute shows it; null otherwise.
    TsColorDialogForm* Form() const { return Form_; }

    /// The Help button's request; nothing happens without a handler (the program has no help files).
    using HelpHandler = std::function<void(int helpContext)>;
    static void SetHelpHandler(HelpHandler handler);
    static void ShowHelp(int helpContext);

private:
    bool ExecuteStandard(QWidget* owner);
    TsColorDialogForm* Form_ = nullptr;
};

/// The process's colour dialog, created without owner on first use and freed at exit.
TsColorDialog* SharedColorDialog();
bool SharedColorDialogExists();
/// Frees it now (a later use creates a new one).
void FreeSharedColorDialog();

/// The colour boxes' link to SharedColorDialog: their custom colour and saved colours come from it.
TColorDialogLink SharedColorDialogLink();

/// Whether the default skin manager has an active skin.
bool SkinnedColorDialog();
/// The active skin's global text colour.
TColor DialogSkinTextColor();
