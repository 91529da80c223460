// The application-wide window hook: first showing, activation and destruction of top-level windows.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

#include "GuiTestSupport.h"
#include "platform/Forms.h"
#include "platform/WindowClass.h"
#include "platform/WindowHook.h"

TEST(WindowHook, SeesTopLevelWindowsOnlyWhileInstalled) {
    std::vector<std::pair<THookEvent, QWidget*>> seen;
    TWindowHook::Install([&](THookEvent e, QWidget* w) { seen.emplace_back(e, w); });
    EXPECT_TRUE(TWindowHook::Installed());
    auto* window = new QWidget;
    auto* child = new QWidget(window);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
    window->hide();
    window->show();  // a second showing is no creation
    QWidget* identity = window;
    delete window;

    int creates = 0, activations = 0, destroys = 0;
    for (const auto& [event, widget] : seen) {
        EXPECT_NE(widget, child);
        if (event == THookEvent::Create) ++creates;
        if (event == THookEvent::Activate) ++activations;
        if (event == THookEvent::Destroy && widget == identity) ++destroys;
    }
    EXPECT_EQ(creates, 1);
    EXPECT_GE(activations, 1);
    EXPECT_EQ(destroys, 1);

    TWindowHook::Remove();
    EXPECT_FALSE(TWindowHook::Installed());
    seen.clear();
    QWidget later;
    later.show();
    EXPECT_TRUE(seen.empty());
}

TEST(WindowClass, ProgramFormsByNameOtherDialogsAsSystemDialogs) {
    TForm form;
    QMessageBox box;
    QFileDialog files;
    QWidget plain;
    EXPECT_EQ(WindowClassName(&form), QStringLiteral("TForm"));
    EXPECT_EQ(WindowClassName(&box), QStringLiteral("#32770"));
    EXPECT_EQ(WindowClassName(&files), QStringLiteral("#32770"));
    EXPECT_EQ(WindowClassName(&plain), QStringLiteral("QWidget"));
    EXPECT_TRUE(WindowClassName(nullptr).isEmpty());
}
