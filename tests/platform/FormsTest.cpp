// The form base: frame sizes, placement, modal showing and closing.
#include <gtest/gtest.h>

#include <QTimer>

#include "GuiTestSupport.h"
#include "platform/Application.h"
#include "platform/Forms.h"

TEST(Forms, CentredOnTheDesktopButNeverLeftOfOrAboveIt) {
    EXPECT_EQ(TForm::CenteredPosition(QRect(0, 0, 1280, 1024), QSize(434, 363)), QPoint(423, 330));
    EXPECT_EQ(TForm::CenteredPosition(QRect(-1280, 0, 2560, 1024), QSize(400, 300)), QPoint(-200, 362));
    // A window larger than the desktop keeps its top-left corner on it.
    EXPECT_EQ(TForm::CenteredPosition(QRect(10, 20, 300, 200), QSize(600, 500)), QPoint(10, 20));
}

TEST(Forms, SingleAndDialogFramesFixTheClientSize) {
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetClientSize(393, 195);
    EXPECT_EQ(form.minimumSize(), QSize(393, 195));
    EXPECT_EQ(form.maximumSize(), QSize(393, 195));
    form.show();
    EXPECT_EQ(form.Client()->geometry(), QRect(0, 0, 393, 195));
    form.SetBorderStyle(TFormBorderStyle::bsSizeable);
    form.resize(500, 300);
    EXPECT_EQ(form.ClientWidth(), 500);
    EXPECT_EQ(form.Client()->size(), QSize(500, 300));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);  // sizeable with the default icons
}

TEST(Forms, BorderIconsDecideTheTitleButtons) {
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetBorderIcons(biSystemMenu | biMinimize);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST(Forms, ModalShowingEndsWithTheResultOrCancelOnClose) {
    TForm form;
    QTimer::singleShot(10, &form, [&] { form.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.isVisible());
    QTimer::singleShot(10, &form, [&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_FALSE(form.Modal());
}

namespace {
class Reluctant : public TForm {
public:
    bool Allow = false;
    int Asked = 0;
    bool CloseQuery() override {
        ++Asked;
        return Allow;
    }
};
}  // namespace

TEST(Forms, CloseQueryCanKeepTheFormOpen) {
    Reluctant form;
    form.show();
    form.Close();
    EXPECT_TRUE(form.isVisible());
    form.Allow = true;
    form.Close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Asked, 2);
}

TEST(Forms, DesktopCentreOnFirstShowingOnlyThenTheLastPlace) {
    TForm form;
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.SetClientSize(200, 100);
    form.SetPosition(TPosition::poDesktopCenter);
    form.show();
    const QPoint first = form.pos();
    EXPECT_NE(first, QPoint(0, 0));
    form.hide();
    form.move(5, 6);
    form.show();
    EXPECT_EQ(form.pos(), QPoint(5, 6));
}

TEST(Forms, ParentlessFormsBelongToTheApplication) {
    auto* form = new TForm();
    const auto forms = TApplication::Instance()->Forms();
    EXPECT_NE(std::find(forms.begin(), forms.end(), form), forms.end());
    delete form;
    const auto after = TApplication::Instance()->Forms();
    EXPECT_EQ(std::find(after.begin(), after.end(), form), after.end());
}
