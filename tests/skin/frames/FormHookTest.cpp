// The hook's choice of windows: the Tag rule, the skip list, the skinning rules, owned and unowned dialogs,
// the limit of two dialog frames, and the dialog frame itself.
#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

#include "FramesTestSupport.h"
#include "skin/frames/DialogFrame.h"
#include "skin/frames/FormHook.h"
#include "platform/SysCommands.h"
#include "platform/SystemMetrics.h"

namespace {

bool Skinned(QWidget* window) { return TsSkinProvider::ProviderOf(window) != nullptr; }

// A plain unowned dialog with a button, shown and handled by the hook.
std::unique_ptr<QDialog> ShowDialog(bool toolbar = false) {
    auto dialog = std::make_unique<QDialog>();
    auto* layout = new QVBoxLayout(dialog.get());
    if (toolbar) layout->addWidget(new QToolBar(dialog.get()));
    layout->addWidget(new QWidget(dialog.get()));
    dialog->setWindowTitle(QStringLiteral("Dialog"));
    dialog->resize(240, 120);
    dialog->show();
    return dialog;
}

}  // namespace

TEST(FormHook, TheTagRuleAndTheSkipListKeepFormsAway) {
    const auto manager = MakeGlimmerManager();
    for (const intptr_t tag : {-98, -97, -66, -65, -34, -33, -2, -1, -96, 0, 2}) {
        TFrameTestForm form;
        form.Tag = tag;
        form.show();
        const bool taken = !(tag <= -1 && tag >= -98 && tag != -96);
        EXPECT_EQ(Skinned(&form), taken) << "Tag " << tag;
    }
    TfcPopup skipped;
    skipped.SetBorderStyle(TFormBorderStyle::bsSingle);
    skipped.show();
    EXPECT_FALSE(Skinned(&skipped));
    TForm borderless;
    borderless.SetBorderStyle(TFormBorderStyle::bsNone);
    borderless.show();
    EXPECT_FALSE(Skinned(&borderless));  // a popup style without a border is not considered
}

TEST(FormHook, TheSkinningRulesDecideForFormsAndMessageForms) {
    const auto manager = MakeGlimmerManager();
    const struct {
        TsSkinningRules Rules;
        bool Form, MessageForm;
    } cases[] = {
        {srStdForms | srStdDialogs, true, true},
        {srStdForms, true, false},
        {srStdDialogs, false, true},
        {0, false, false},
    };
    for (const auto& c : cases) {
        manager->SetSkinningRules(c.Rules);
        TFrameTestForm form;
        TMessageForm message;
        message.SetBorderStyle(TFormBorderStyle::bsDialog);
        form.show();
        message.show();
        EXPECT_EQ(Skinned(&form), c.Form) << "rules " << c.Rules;
        EXPECT_EQ(Skinned(&message), c.MessageForm) << "rules " << c.Rules;
    }
}

TEST(FormHook, UnownedSystemDialogsGetADialogFrameOwnedOnesKeepThePlatformLook) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm owner;
    owner.show();
    QMessageBox owned(QMessageBox::Information, QStringLiteral("Done"), QStringLiteral("Finished."), QMessageBox::Ok,
                      &owner);
    owned.show();
    EXPECT_EQ(HookedWrapperOf(&owned), nullptr);
    EXPECT_FALSE(owned.windowFlags().testFlag(Qt::FramelessWindowHint));

    const QSize before = [] {
        QDialog probe;
        probe.resize(240, 120);
        return probe.size();
    }();
    auto dialog = ShowDialog();
    const THookedWindow* wrapper = HookedWrapperOf(dialog.get());
    ASSERT_NE(wrapper, nullptr);
    TDialogFrame* frame = wrapper->DialogFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->SkinData().SkinSection(), QStringLiteral("DIALOG"));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(dialog->contentsMargins(), QMargins(4, 26, 4, 4));  // a resizable dialog: the thick frame
    EXPECT_EQ(dialog->size(), before + QSize(8, 30));
    EXPECT_EQ(dialog->palette().color(QPalette::Window), ToQColor(manager->CommonSkinData().GlobalBackColor()));
    EXPECT_EQ(frame->Layout.HitTest(dialog->width() - 15, 13), HTCLOSE);
    EXPECT_EQ(frame->SystemMenu()->Item(smClose)->objectName(), QStringLiteral("miClose"));
    EXPECT_EQ(frame->SystemMenu()->Item(smClose)->shortcut(), QKeySequence(QStringLiteral("Alt+F4")));
    EXPECT_EQ(frame->SystemMenu()->Item(smMove)->text(), QStringLiteral("Move"));

    // The dialog's end frees its wrapper.
    const QWidget* gone = dialog.get();
    dialog.reset();
    EXPECT_EQ(HookedWrapperOf(gone), nullptr);
    EXPECT_TRUE(HookedWrappers().size() == 1u);  // the owner form's
}

TEST(FormHook, WithTwoDialogFramesShownAThirdDialogNeedsAToolbar) {
    const auto manager = MakeGlimmerManager();
    const auto first = ShowDialog();
    const auto second = ShowDialog();
    const auto plain = ShowDialog();
    const auto withToolbar = ShowDialog(true);
    EXPECT_NE(HookedWrapperOf(first.get()), nullptr);
    EXPECT_NE(HookedWrapperOf(second.get()), nullptr);
    EXPECT_EQ(HookedWrapperOf(plain.get()), nullptr);
    EXPECT_NE(HookedWrapperOf(withToolbar.get()), nullptr);
    // Removing the skin frees every wrapper and gives the dialogs their frames back.
    manager->SetActive(false);
    EXPECT_TRUE(HookedWrappers().empty());
    EXPECT_FALSE(first->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(first->contentsMargins(), QMargins());
}
