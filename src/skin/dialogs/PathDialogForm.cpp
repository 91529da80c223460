// TPathDialogForm: layout, captions and the handlers.
#include "PathDialogForm.h"

#include <climits>

#include <QFileInfo>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "ShellRootIds.h"
#include "ShellTreeView.h"
#include "skin/binding/sCommonData.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sScrollBox.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/frames/sSkinProvider.h"
#include "platform/Anchors.h"
#include "platform/Application.h"
#include "platform/Directories.h"
#include "platform/EngineTexts.h"
#include "platform/MessageBoxes.h"
#include "shell/ShellIcons.h"
#include "platform/SystemMetrics.h"

namespace {
// The client area of the 345 x 411 window (frame 4, caption 22) and of its 275 x 250 minimum.
constexpr int kClientWidth = 337;
constexpr int kClientHeight = 381;
constexpr int kMinClientWidth = 267;
constexpr int kMinClientHeight = 220;

template <class T>
T* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    T* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}
}  // namespace

TPathDialogForm::TPathDialogForm(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("PathDialogForm"));
    SetCaption(QStringLiteral("Select directory"));
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetBorderIcons(biSystemMenu);
    setFont(FormFont("Tahoma", -11));
    SetClientSize(kClientWidth, kClientHeight);
    ApplyMinimumSize();
    SetPosition(TPosition::poScreenCenter);

    // The frame is the skin's dialog look: caption centred, a size grip, no icon.
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetSkinSection(QStringLiteral("DIALOG"));
    sSkinProvider1->SetCaptionAlignment(TAlignment::taCenter);
    sSkinProvider1->SetGripMode(TsGripMode::gmRightBottom);
    sSkinProvider1->SetShowAppIcon(false);

    QWidget* client = Client();
    sLabel1 = Place<TsLabel>(client, "sLabel1", 8, 3, 40, 13);
    sLabel1->SetCaption(QStringLiteral("Root :"));

    sScrollBox1 = Place<TsScrollBox>(client, "sScrollBox1", 8, 20, 101, 317);
    sScrollBox1->hide();

    sShellTreeView1 = Place<TsShellTreeView>(client, "sShellTreeView1", 8, 20, 321, 319);
    sShellTreeView1->setIndentation(19);
    sShellTreeView1->setRootIsDecorated(false);
    sShellTreeView1->SetObjectTypes(otFolders);
    sShellTreeView1->SetRoot(QStringLiteral("rfDesktop"));
    sShellTreeView1->UseShellImages = true;
    sShellTreeView1->SetAutoRefresh(false);
    sShellTreeView1->ShowExt = TShellExtDisplay::seSystem;
    sShellTreeView1->OnChange = [this](QObject* sender) { sShellTreeView1Change(sender); };

    sBitBtn1 = Place<TsButton>(client, "sBitBtn1", 173, 344, 75, 25);
    sBitBtn1->SetCaption(QStringLiteral("OK"));
    sBitBtn1->SetDefault(true);
    sBitBtn1->ModalResult = mrOk;
    sBitBtn1->OnClick = [this](QObject* sender) { sBitBtn1Click(sender); };

    sBitBtn2 = Place<TsButton>(client, "sBitBtn2", 250, 344, 75, 25);
    sBitBtn2->SetCaption(QStringLiteral("Cancel"));
    sBitBtn2->SetCancel(true);
    sBitBtn2->ModalResult = mrCancel;
    sBitBtn2->OnClick = [this](QObject* sender) { sBitBtn2Click(sender); };

    sBitBtn3 = Place<TsButton>(client, "sBitBtn3", 12, 344, 75, 25);
    sBitBtn3->SetCaption(QStringLiteral("Create"));
    sBitBtn3->setEnabled(false);
    sBitBtn3->OnClick = [this](QObject* sender) { sBitBtn3Click(sender); };

    // The dialog's buttons draw no focus rectangle.
    for (TsButton* button : {sBitBtn1, sBitBtn2, sBitBtn3}) button->SetShowFocus(false);
    setTabOrder(sShellTreeView1, sBitBtn1);
    setTabOrder(sBitBtn1, sBitBtn2);
    setTabOrder(sBitBtn2, sBitBtn3);
    sShellTreeView1->setFocus();

    // The form data are in: the tree is built with the desktop as its root.
    sShellTreeView1->Loaded();
}

void TPathDialogForm::ApplyMinimumSize() {
    SetMinClientSize(kMinClientWidth, kMinClientHeight);
}

void TPathDialogForm::SetCaptions() {
    SetCaption(LoadResString(s_SelectDirectory));
    sBitBtn1->SetCaption(LoadResString(s_OK));
    sBitBtn2->SetCaption(LoadResString(s_Cancel));
    sBitBtn3->SetCaption(LoadResString(s_Create));
    sLabel1->SetCaption(QStringLiteral("Root :"));
}

void TPathDialogForm::ShowRootButtons() {
    sScrollBox1->show();
    sLabel1->show();
    const int shift = sScrollBox1->width() + 4;
    for (QWidget* control :
         {static_cast<QWidget*>(sShellTreeView1), static_cast<QWidget*>(sBitBtn1), static_cast<QWidget*>(sBitBtn2)})
        control->move(control->x() + shift, control->y());
    SetClientSize(ClientWidth() + shift + GetSystemMetrics(SM_CXFRAME), ClientHeight());
    ApplyMinimumSize();
    FillRootStrip();
}

void TPathDialogForm::FillRootStrip() {
    // Without a skin the strip shows the application-workspace colour.
    TsScrollBoxPanel* strip = sScrollBox1->Panel();
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, ToQColor(clAppWorkSpace));
    strip->setPalette(pal);
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto desktop = SHGetDesktopFolder();
    for (const TShellRootId id : {rfDesktop, rfMyComputer, rfPersonal, rfNetwork}) {
        TItemIdList location;
        // Folders this system does not have (the network) get no button.
        if (!SHGetSpecialFolderLocation(RootIdCsidl(id), location)) continue;
        auto* button = new TsSpeedButton(strip, QStringLiteral("TOOLBUTTON"));
        button->setObjectName(RootIdName(id));
        button->SetShowCaption(true);
        button->setFixedHeight(70);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setText(desktop->GetDisplayNameOf(location, SHGDN_NORMAL));
        const QIcon icon = SystemImageList().Icon(ShellIconIndex(location, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
        button->SetGlyph(icon.pixmap(32, 32).toImage());
        button->setProperty("Tag", static_cast<int>(id));
        connect(button, &TsSpeedButton::clicked, this,
                [this, id] { TApplication::Guarded([&] { sShellTreeView1->SetRoot(RootIdName(id)); }); });
        layout->addWidget(button);
        RootButtons.push_back(button);
    }
    layout->addStretch(1);
    // The strip is filled after the form was loaded: its surface and buttons take the skin now.
    FormLoaded(sScrollBox1);
}

void TPathDialogForm::SetAnchors() {
    delete Anchors_;
    Anchors_ = new TAnchorLayout(Client(), QSize(ClientWidth(), ClientHeight()));
    Anchors_->Add(sShellTreeView1, akLeft | akTop | akRight | akBottom);
    Anchors_->Add(sScrollBox1, akLeft | akTop | akBottom);
    Anchors_->Add(sBitBtn1, akRight | akBottom);
    Anchors_->Add(sBitBtn2, akRight | akBottom);
    Anchors_->Add(sBitBtn3, akLeft | akBottom);
}

void TPathDialogForm::sShellTreeView1Change(QObject*) {
    // Virtual folders (the computer) have no folder to give back or to create in.
    const bool folder = DirectoryExists(sShellTreeView1->SelectedPath());
    sBitBtn1->setEnabled(folder);
    sBitBtn3->setEnabled(folder);
}

void TPathDialogForm::sBitBtn1Click(QObject*) {
    if (!sShellTreeView1->IsEditing()) return;
    // OK while a name is being typed only takes the name.
    SetModalResult(mrNone);
    sShellTreeView1->EndEditing(true);
    sShellTreeView1->setFocus();
}

void TPathDialogForm::sBitBtn2Click(QObject*) {
    if (sShellTreeView1->IsEditing()) SetModalResult(mrNone);
}

QString TPathDialogForm::NewFolderName() const {
    const QString base = IncludeTrailingPathDelimiter(sShellTreeView1->SelectedPath()) + QStringLiteral("New folder");
    for (int n = 1; n < INT_MAX; ++n) {
        const QString candidate = base + QString::number(n);
        // A file of that name would make the folder impossible too.
        const QFileInfo info(candidate);
        if (!info.exists() && !info.isSymLink()) return candidate;
    }
    return {};
}

void TPathDialogForm::sBitBtn3Click(QObject*) {
    const QString name = NewFolderName();
    CreateDirectoryW(name);
    if (!DirectoryExists(name)) {
        ShowErrorBox(QStringLiteral("Directory ") + name + QStringLiteral(" can") + QChar(96) +
                     QStringLiteral("t be created!"));
        return;
    }
    TsShellTreeView* tree = sShellTreeView1;
    tree->ReloadNode(tree->Selected());
    TShellTreeNode* parent = tree->Selected();
    if (parent == nullptr) return;
    for (int i = 0; i < parent->childCount(); ++i) {
        TShellTreeNode* child = parent->Child(i);
        if (tree->NodePath(child) != name) continue;
        tree->setCurrentItem(child);
        tree->setFocus();
        tree->ExpandNode(child);
        tree->StartEditing(child);
        tree->SetSelectedPath(name);
        return;
    }
}
