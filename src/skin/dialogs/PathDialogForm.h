// TPathDialogForm: the folder selection dialog (folder tree, OK, Cancel, Create, the root strip).
#pragma once

#include <vector>

#include "platform/Forms.h"

class TAnchorLayout;
class TsButton;
class TsLabel;
class TsScrollBox;
class TsSpeedButton;
class TsShellTreeView;
class TsSkinProvider;

class TPathDialogForm : public TForm {
    Q_OBJECT
public:
    explicit TPathDialogForm(QWidget* parent = nullptr);

    TsSkinProvider* sSkinProvider1;
    TsLabel* sLabel1;
    TsShellTreeView* sShellTreeView1;
    TsButton* sBitBtn1;  // OK
    TsButton* sBitBtn2;  // Cancel
    TsButton* sBitBtn3;  // Create
    TsScrollBox* sScrollBox1;
    /// The root strip's buttons, once filled.
    std::vector<TsSpeedButton*> RootButtons;

    /// The captions from the engine's text table.
    void SetCaptions();
    /// Shows the root strip and its label: the tree, OK and Cancel move right and the window widens.
    void ShowRootButtons();
    /// Fills the root strip with the desktop, computer, personal and network buttons.
    void FillRootStrip();
    /// The tree grows with the window; the buttons keep their corners.
    void SetAnchors();

    /// The first "New folder<n>" beside nothing of that name in the selected folder; empty if none.
    QString NewFolderName() const;

    void sShellTreeView1Change(QObject* sender);
    void sBitBtn1Click(QObject* sender);
    void sBitBtn2Click(QObject* sender);
    void sBitBtn3Click(QObject* sender);

private:
    void ApplyMinimumSize();
    TAnchorLayout* Anchors_ = nullptr;
};
