// TsColorDialog: Execute with the program's form or the platform's dialog, and the shared dialog.
#include "sColorDialog.h"

#include <memory>

#include <QColorDialog>
#include <QCoreApplication>
#include <QPointer>

#include "ColorDialogForm.h"
#include "ColorDialogParts.h"
#include "skin/controls/ColorDialogLink.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sColorsPanel.h"
#include "core/SystemColors.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/SystemMetrics.h"
#include "skin/manager/sSkinManager.h"

namespace {
TsColorDialog::HelpHandler Help;

std::unique_ptr<TsColorDialog>& Shared() {
    static std::unique_ptr<TsColorDialog> dialog;
    return dialog;
}
}  // namespace

TsColorDialog::TsColorDialog(QObject* owner) : QObject(owner) {}

TsColorDialog::~TsColorDialog() = default;

void TsColorDialog::SetHelpHandler(HelpHandler handler) { Help = std::move(handler); }

void TsColorDialog::ShowHelp(int helpContext) {
    if (Help) Help(helpContext);
}

TsColorDialogForm* TsColorDialog::CreateForm() {
    auto* form = new TsColorDialogForm();
    form->SetCaptions();
    form->Dialog = this;
    if (!CustomColors.isEmpty()) form->AddPal->SetColors(CustomColors);
    if (!MainColors.isEmpty()) form->MainPal->SetColors(MainColors);
    form->AddPal->BuildCells();
    form->MainPal->BuildCells();

    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->sBitBtn4->setEnabled(!(Options & cdFullOpen));
    // Palettes only while "Define colors" can still open the rest; 545 is held to the maximum 541.
    form->SetFormWidth(form->sBitBtn4->isEnabled() ? 235 : 545);
    if (Options & cdPreventFullOpen) form->sBitBtn4->setEnabled(false);
    form->sBitBtn5->setVisible((Options & cdShowHelp) != 0);

    form->SelectedPanel->SetBrushColor(ColorToRGB(Color));
    return form;
}

bool TsColorDialog::Execute(QWidget* owner) {
    if (StandardDlg || TsSkinManager::DefaultManager() == nullptr) return ExecuteStandard(owner);

    // The form belongs to the application while it shows and goes when Execute ends.
    QPointer<TsColorDialogForm> form = CreateForm();
    Form_ = form;
    const TModalResult result = form->ShowModal();

    if (form == nullptr) {  // destroyed while showing (the application went away)
        Form_ = nullptr;
        return false;
    }
    CustomColors = form->AddPal->Colors();
    FireEvent(OnClose, this);
    if (result == mrOk) Color = form->CurrentColor();
    Form_ = nullptr;
    delete form;
    return result == mrOk;
}

bool TsColorDialog::ExecuteStandard(QWidget* owner) {
    // The plain dialog keeps its own custom colours: they are handed over and taken back.
    const int count = std::min<int>(QColorDialog::customCount(), static_cast<int>(CustomColors.size()));
    for (int i = 0; i < count; ++i) QColorDialog::setCustomColor(i, ToQColor(ColorFromHexText(CustomColors[i])));
    TColor color = ColorToRGB(Color);
    const bool ok = RunColorDialog(owner, color);
    for (int i = 0; i < count; ++i) CustomColors[i] = HexTextOfColor(FromQColor(QColorDialog::customColor(i)));
    FireEvent(OnClose, this);
    if (ok) Color = color;
    return ok;
}

TsColorDialog* SharedColorDialog() {
    std::unique_ptr<TsColorDialog>& dialog = Shared();
    if (!dialog) {
        dialog = std::make_unique<TsColorDialog>();
        // Freed with the application object, before the static objects go.
        qAddPostRoutine(FreeSharedColorDialog);
    }
    return dialog.get();
}

bool SharedColorDialogExists() { return Shared() != nullptr; }

void FreeSharedColorDialog() {
    Shared().reset();
    qRemovePostRoutine(FreeSharedColorDialog);
}

TColorDialogLink SharedColorDialogLink() {
    TColorDialogLink link;
    link.Run = [](QWidget* owner, TColor& color) {
        TsColorDialog* dialog = SharedColorDialog();
        dialog->Color = color;
        if (!dialog->Execute(owner)) return false;
        color = dialog->Color;
        return true;
    };
    link.CustomColors = [] { return SharedColorDialogExists() ? SharedColorDialog()->CustomColors : QStringList(); };
    return link;
}

bool SkinnedColorDialog() {
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    return manager != nullptr && manager->Active() && manager->CommonSkinData().SkinData.Active;
}

TColor DialogSkinTextColor() {
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    return manager != nullptr ? manager->CommonSkinData().GlobalTextColor() : clBlack;
}
