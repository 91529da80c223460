// One showing of the folder dialog for a folder edit.
#include "PathDialogRunner.h"

#include <QFileInfo>

#include "PathDialogForm.h"
#include "ShellTreeView.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"

std::unique_ptr<TPathDialogForm> CreatePathDialog(const TFolderDialogRequest& request) {
    auto form = std::make_unique<TPathDialogForm>();
    form->SetCaptions();
    form->sBitBtn3->setVisible(request.AllowCreate);
    if (request.ShowRootButtons)
        form->ShowRootButtons();
    else
        form->sLabel1->hide();
    form->SetAnchors();
    form->sShellTreeView1->SetBoundLabelCaption(request.Text);
    form->sShellTreeView1->SetRoot(request.Root);
    if (!request.SelectedPath.isEmpty() && QFileInfo(request.SelectedPath).isDir())
        form->sShellTreeView1->SetSelectedPath(request.SelectedPath);
    return form;
}

bool RunPathDialog(QWidget* owner, const TFolderDialogRequest& request, QString& folder) {
    (void)owner;  // the dialog belongs to the application object, as the program's other forms
    // Destroyed when the showing ends, also when an error escapes.
    const std::unique_ptr<TPathDialogForm> form = CreatePathDialog(request);
    if (form->ShowModal() != mrOk) return false;
    folder = form->sShellTreeView1->SelectedPath();
    return true;
}
