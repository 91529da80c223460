// Creating the program's forms for a shot and loading the asked skin into their manager.
#include "ShotForms.h"

#include <cctype>
#include <filesystem>
#include <iostream>

#include <QFileInfo>
#include <QStringList>

#include "app/AboutUnit.h"
#include "app/Unit2.h"
#include "skin/controls/sTooledit.h"
#include "skin/dialogs/ColorDialogForm.h"
#include "skin/dialogs/PathDialogForm.h"
#include "skin/dialogs/PathDialogRunner.h"
#include "skin/dialogs/sColorDialog.h"
#include "skin/manager/sSkinManager.h"

ShotWindow CreateShotWindow(const ShotRequest& request) {
    auto* form2 = new TForm2();
    if (request.Form == "about") {
        auto* aboutForm = new TAboutForm();
        form2->AboutForm = aboutForm;
        return {aboutForm, form2->sSkinManager1, "the about window"};
    }
    if (request.Form == "color") {
        // The program's colour box opens the shared dialog for the custom item's colour.
        TsColorDialog* dialog = SharedColorDialog();
        dialog->Color = request.Color.value_or(clBlack);
        return {dialog->CreateForm(), form2->sSkinManager1, "the colour dialog"};
    }
    if (request.Form == "folder") {
        // As the main window's folder edit opens it: its root, options and folder.
        TFolderDialogRequest folder;
        folder.Root = form2->pathEdit->Root;
        folder.Text = form2->pathEdit->DialogText;
        folder.AllowCreate = (form2->pathEdit->DialogOptions & sdAllowCreate) != 0;
        folder.ShowRootButtons = form2->pathEdit->ShowRootBtns || request.RootButtons;
        if (!request.Path.empty())
            folder.SelectedPath = QFileInfo(QString::fromStdString(request.Path)).absoluteFilePath();
        return {CreatePathDialog(folder).release(), form2->sSkinManager1, "the folder dialog"};
    }
    return {form2, form2->sSkinManager1, "the main window"};
}

void LoadShotSource(TsSkinManager& manager, const std::string& source) {
    if (source.empty()) return;
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path path = fs::absolute(fs::path(source), error).lexically_normal();
    if (!path.has_filename()) path = path.parent_path();  // "skins/Glimmer/"
    if (error || !fs::exists(path, error)) throw ShotError(kShotExitFailed, "shot: no skin at \"" + source + "\"");
    const bool folder = fs::is_directory(path, error);
    std::string lower = path.extension().string();
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // The program finds a package as SKINNAME.qrv in its skin directory and takes no other.
    if (!folder && lower != ".qrv")
        throw ShotError(kShotExitFailed, "shot: \"" + source + "\" is neither a skin folder nor a .qrv package");
    const std::string name = folder ? path.filename().string() : path.stem().string();
    if (folder && fs::exists(path.parent_path() / (name + ".qrv"), error))
        std::cerr << "shot: the package " << name << ".qrv beside the folder is what the program loads\n";

    QStringList messages;
    TsSkinManager::SetMessageHook([&messages](const QString& text) { messages << text; });
    manager.SetSkinDirectory(QString::fromStdString(path.parent_path().string()));
    manager.SetSkinName(QString::fromStdString(name));
    TsSkinManager::SetMessageHook(nullptr);
    // A failed load goes back to the previous skin's name and says why; a name the manager cannot
    // find anywhere falls back to the internal skin.
    const bool loaded = manager.SkinName() == QString::fromStdString(name) && manager.CommonSkinData().SkinData.Active;
    if (!loaded) {
        const std::string why =
            messages.isEmpty() ? "no Options.dat in it" : messages.join(QStringLiteral("; ")).toStdString();
        throw ShotError(kShotExitFailed, "shot: cannot load the skin \"" + source + "\": " + why);
    }
    for (const QString& message : messages) std::cerr << "shot: " << message.toStdString() << "\n";
}
