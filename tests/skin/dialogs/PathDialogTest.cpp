// The folder dialog: layout and texts, OK and Create following the selection, Create's naming and
// its label, OK while a label is edited, and the folder edit opening it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sScrollBox.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/controls/sTooledit.h"
#include "skin/dialogs/PathDialogForm.h"
#include "skin/dialogs/PathDialogRunner.h"
#include "skin/dialogs/ShellTreeView.h"
#include "platform/Application.h"
#include "platform/Directories.h"
#include "platform/GuiTestSupport.h"
#include "shell/ShellFolder.h"
#include "support/TempFolder.h"
#include "skin/dialogs/SkinEngine.h"

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

/// Runs the steps on the folder dialog once it shows modally; closes it if the steps did not.
void WhenDialogShows(std::function<void(TPathDialogForm&)> steps) {
    auto* poll = new QTimer();
    QObject::connect(poll, &QTimer::timeout, [poll, steps] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<TPathDialogForm*>(widget);
            if (form == nullptr || !form->isVisible() || !form->Modal()) continue;
            poll->deleteLater();
            poll->stop();
            steps(*form);
            if (form->isVisible() && form->ModalResult() == mrNone) {
                ADD_FAILURE() << "the dialog stayed open";
                form->Close();
            }
            return;
        }
    });
    poll->start(10);
}
}  // namespace

TEST(PathDialog, LayoutCaptionsAndAnchors) {
    TPathDialogForm form;
    form.SetCaptions();
    EXPECT_EQ(form.Caption(), QStringLiteral("Select directory"));
    EXPECT_EQ(form.sBitBtn1->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(form.sBitBtn2->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(form.sBitBtn3->Caption(), QStringLiteral("Create"));
    EXPECT_EQ(form.sLabel1->Caption(), QStringLiteral("Root :"));
    EXPECT_EQ(QString::fromLatin1(form.metaObject()->className()), QStringLiteral("TPathDialogForm"));
    EXPECT_EQ(form.sShellTreeView1->geometry(), QRect(8, 20, 321, 319));
    EXPECT_EQ(form.sBitBtn1->geometry(), QRect(173, 344, 75, 25));
    EXPECT_EQ(form.sBitBtn1->ModalResult, mrOk);
    EXPECT_EQ(form.sBitBtn2->ModalResult, mrCancel);
    EXPECT_TRUE(form.sBitBtn1->Default());
    EXPECT_TRUE(form.sScrollBox1->isHidden());
    form.sShellTreeView1->SetBoundLabelCaption(QStringLiteral("Output folder"));
    form.SetAnchors();
    form.show();
    form.resize(form.width() + 100, form.height() + 50);
    EXPECT_EQ(form.sShellTreeView1->geometry(), QRect(8, 20, 421, 369));
    EXPECT_EQ(form.sBitBtn2->geometry(), QRect(350, 394, 75, 25));
    EXPECT_EQ(form.sBitBtn3->geometry(), QRect(12, 394, 75, 25));
    QLabel* label = form.sShellTreeView1->BoundLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->geometry().bottomLeft(), QPoint(12, 19));
}

TEST(PathDialog, ComputerDisablesOkAndCreateAMountPointEnablesThem) {
    TPathDialogForm form;
    EXPECT_TRUE(form.sBitBtn1->isEnabled());  // the desktop, selected at creation, is a folder
    struct {
        TItemIdList List;
        bool Enabled;
    } const cases[] = {
        {TItemIdList::Of(TShellItemId::ikComputer), false},
        {TItemIdList({{TShellItemId::ikComputer, {}}, {TShellItemId::ikVolume, QStringLiteral("/")}}), true},
        {TItemIdList::Of(TShellItemId::ikComputer), false},
        {TItemIdList(), true},
    };
    for (const auto& c : cases) {
        form.sShellTreeView1->SelectIdList(c.List);
        ASSERT_EQ(form.sShellTreeView1->Selected()->Entry->AbsoluteIdList, c.List);
        EXPECT_EQ(form.sBitBtn1->isEnabled(), c.Enabled) << form.sShellTreeView1->SelectedPath().toStdString();
        EXPECT_EQ(form.sBitBtn3->isEnabled(), c.Enabled);
    }
}

TEST(PathDialog, CreateMakesTheNextNewFolderAndOpensItsLabel) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    QDir(root).mkdir(QStringLiteral("New folder1"));
    QDir(root).mkdir(QStringLiteral("New folder2"));
    QFile(root + "/New folder4").open(QIODevice::WriteOnly);  // a file takes the name too
    TPathDialogForm form;
    form.sShellTreeView1->SetSelectedPath(root);
    EXPECT_EQ(form.NewFolderName(), root + "/New folder3");
    form.sBitBtn3->click();
    EXPECT_TRUE(DirectoryExists(root + "/New folder3"));
    EXPECT_EQ(form.sShellTreeView1->SelectedPath(), root + "/New folder3");
    EXPECT_TRUE(form.sShellTreeView1->IsEditing());
    form.sShellTreeView1->EndEditing(false);
    form.sShellTreeView1->SetSelectedPath(root);
    form.sBitBtn3->click();
    EXPECT_TRUE(DirectoryExists(root + "/New folder5"));
}

TEST(PathDialog, CreateInAFolderThatRefusesShowsTheErrorBox) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    TPathDialogForm form;
    form.sShellTreeView1->SetSelectedPath(root);
    // The folder goes away behind the dialog's back.
    QDir(root).removeRecursively();
    MessageBoxCloser boxes;
    form.sBitBtn3->click();
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Text,
              QStringLiteral("Directory ") + root + QStringLiteral("/New folder1 can`t be created!"));
    EXPECT_EQ(boxes.Boxes[0].Caption, QStringLiteral("Error"));
}

TEST(PathDialog, OkWhileALabelIsEditedOnlyEndsTheEdit) {
    TempFolder temp;
    const QString root = Q(temp.Path().string());
    TFolderDialogRequest request;
    request.SelectedPath = root;
    bool stayedOpen = false;
    bool enterKeptOpen = false;
    WhenDialogShows([&](TPathDialogForm& form) {
        form.sBitBtn3->click();
        auto* editor =
            qobject_cast<QLineEdit*>(form.sShellTreeView1->indexWidget(form.sShellTreeView1->currentIndex()));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), QStringLiteral("New folder1"));
        editor->setText(QStringLiteral("Tiles"));
        form.sBitBtn1->click();
        stayedOpen = form.ModalResult() == mrNone && !form.sShellTreeView1->IsEditing();
        QApplication::processEvents();
        // Enter in the label's editor ends the edit, not the dialog.
        form.sBitBtn3->click();
        QWidget* second = form.sShellTreeView1->indexWidget(form.sShellTreeView1->currentIndex());
        ASSERT_NE(second, nullptr);
        QTest::keyClick(second, Qt::Key_Return);
        QApplication::processEvents();  // the editor hands its text over after the key
        enterKeptOpen = form.ModalResult() == mrNone && !form.sShellTreeView1->IsEditing();
        form.sShellTreeView1->SetSelectedPath(root + "/Tiles");
        form.sBitBtn1->click();
    });
    QString chosen;
    ASSERT_TRUE(RunPathDialog(nullptr, request, chosen));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(enterKeptOpen);
    EXPECT_TRUE(DirectoryExists(root + "/Tiles/New folder1"));
    EXPECT_EQ(chosen, root + "/Tiles");
    EXPECT_TRUE(DirectoryExists(root + "/Tiles"));
    EXPECT_FALSE(QDir(root + "/New folder1").exists());
}

TEST(PathDialog, FolderEditWithAMissingFolderOpensAtTheDesktopAndOkWritesItsPath) {
    TempFolder temp;
    const QString saved = QDir::currentPath();
    const TScopedSkinEngine engine;
    std::vector<std::string> errors;
    TApplication::SetExceptionHandler([&](const std::exception& e) { errors.emplace_back(e.what()); });
    TsDirectoryEdit edit;
    edit.SetText(Q(temp.Path().string()) + "/missing");
    QString selectedAtStart;
    WhenDialogShows([&](TPathDialogForm& form) {
        selectedAtStart = form.sShellTreeView1->Selected()->text(0);
        EXPECT_FALSE(form.sLabel1->isVisibleTo(&form));
        form.sBitBtn1->click();
    });
    edit.Button()->click();
    EXPECT_EQ(selectedAtStart, QStringLiteral("Desktop"));
    EXPECT_EQ(edit.Text(), DesktopPath());

    // An existing folder opens expanded down to it, with Create hidden when not allowed, and the root strip.
    edit.SetText(Q(temp.Path().string()));
    edit.DialogOptions = 0;
    edit.ShowRootBtns = true;
    WhenDialogShows([&](TPathDialogForm& form) {
        EXPECT_EQ(form.sShellTreeView1->SelectedPath(), Q(temp.Path().string()));
        EXPECT_FALSE(form.sBitBtn3->isVisibleTo(&form));
        EXPECT_TRUE(form.sScrollBox1->isVisibleTo(&form));
        EXPECT_EQ(form.sShellTreeView1->x(), 8 + 101 + 4);
        QStringList tags;
        for (TsSpeedButton* button : form.RootButtons) {
            tags << button->property("Tag").toString();
            // Skinned tool buttons on the skinned bar, the folder's name under its icon.
            EXPECT_EQ(button->SkinData.SkinSection(), QStringLiteral("TOOLBUTTON"));
            EXPECT_EQ(button->parentWidget(), form.sScrollBox1->Panel());
            EXPECT_TRUE(button->ShowCaption());
            EXPECT_FALSE(button->text().isEmpty());
            EXPECT_FALSE(button->Glyph().isNull());
            EXPECT_EQ(button->height(), 70);
        }
        EXPECT_EQ(tags, (QStringList{"0", "1", "14"}));  // desktop, computer, personal; no network here
        EXPECT_EQ(form.sScrollBox1->Panel()->SkinData.SkinSection(), QStringLiteral("BAR"));
        form.RootButtons[1]->click();
        EXPECT_EQ(form.sShellTreeView1->Root(), QStringLiteral("rfMyComputer"));
        EXPECT_FALSE(form.sBitBtn1->isEnabled());
        form.sBitBtn2->click();
    });
    edit.Button()->click();
    EXPECT_EQ(edit.Text(), Q(temp.Path().string()));
    TApplication::SetExceptionHandler(nullptr);
    EXPECT_TRUE(errors.empty()) << errors.front();
    QDir::setCurrent(saved);
}
