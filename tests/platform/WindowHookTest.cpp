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
    std::vector<THookMessage> seen;
    TWindowHook::Install([&](const THookMessage& message) { seen.push_back(message); });
    EXPECT_TRUE(TWindowHook::Installed());
    auto* window = new QWidget;
    auto* child = new QWidget(window);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return window->isActiveWindow(); }));
    window->hide();
    window->show();  // a second showing is no creation
    const QObject* identity = window;
    delete window;

    int creates = 0, activations = 0, destroys = 0;
    for (const THookMessage& message : seen) {
        EXPECT_NE(message.Window, child);
        if (message.Event == THookEvent::Create && message.Window == identity) ++creates;
        if (message.Event == THookEvent::Activate && message.Window == identity) ++activations;
        if (message.Event == THookEvent::Destroy) {
            EXPECT_EQ(message.Window, nullptr);  // a half-destroyed window is never handed out as one
            if (message.Destroyed == identity) ++destroys;
        }
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

TEST(WindowHook, RemovingOrReplacingTheHookFromInsideACallbackIsSafe) {
    for (const THookEvent removeAt : {THookEvent::Create, THookEvent::Activate, THookEvent::Destroy}) {
        SCOPED_TRACE(static_cast<int>(removeAt));
        int calls = 0;
        TWindowHook::Install([&](const THookMessage& message) {
            if (message.Event == removeAt) TWindowHook::Remove();
            ++calls;  // the callback's own state outlives the removal
        });
        auto* window = new QWidget;
        window->show();
        window->activateWindow();
        WaitUntil([&] { return window->isActiveWindow() || !TWindowHook::Installed(); });
        delete window;
        EXPECT_FALSE(TWindowHook::Installed());
        const int callsWhenRemoved = calls;
        QWidget later;
        later.show();
        EXPECT_EQ(calls, callsWhenRemoved);  // nothing reaches a removed hook
        TWindowHook::Remove();
    }

    // A callback that installs another callback: the running one finishes, the new one takes over.
    std::vector<std::string> log;
    TWindowHook::Install([&](const THookMessage& message) {
        if (message.Event != THookEvent::Create) return;
        log.push_back("first");
        TWindowHook::Install([&](const THookMessage& next) {
            if (next.Event == THookEvent::Create) log.push_back("second");
        });
        log.push_back("first done");
    });
    QWidget one, two;
    one.show();
    two.show();
    TWindowHook::Remove();
    EXPECT_EQ(log, (std::vector<std::string>{"first", "first done", "second"}));
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
