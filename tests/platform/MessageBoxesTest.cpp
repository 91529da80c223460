// Message boxes: the application title rule and the default error box.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QTimer>

#include "GuiTestSupport.h"
#include "platform/Application.h"
#include "platform/MessageBoxes.h"

TEST(ApplicationTitle, NameUpToTheFirstDotWithTheRestLowerCased) {
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("Project1.exe")), QStringLiteral("Project1"));
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("QUADRIMO.EXE")), QStringLiteral("Quadrimo"));
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("quadrimo")), QStringLiteral("quadrimo"));
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("My.Tool.Exe")), QStringLiteral("My"));
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("X")), QStringLiteral("X"));
}

TEST(MessageBoxes, DefaultErrorBoxAddsTheFullStopAndShowsTheTitleAndErrorIcon) {
    MessageBoxCloser closer;
    ShowDefaultErrorBox(std::runtime_error("Cannot create file"));
    ShowDefaultErrorBox(std::runtime_error("Already finished."));
    ASSERT_EQ(closer.Boxes.size(), 2u);
    EXPECT_EQ(closer.Boxes[0].Text, QStringLiteral("Cannot create file."));
    EXPECT_EQ(closer.Boxes[0].Caption, ApplicationTitle());
    EXPECT_EQ(closer.Boxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(closer.Boxes[0].ButtonCount, 1);
    EXPECT_EQ(closer.Boxes[1].Text, QStringLiteral("Already finished."));
}

TEST(MessageBoxes, ButtonsAndAnswers) {
    MessageBoxCloser closer;
    EXPECT_EQ(MessageBoxW(nullptr, QStringLiteral("Done?"), QStringLiteral("Q"), MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(MessageBoxW(nullptr, QStringLiteral("Info"), QStringLiteral("I"), MB_OK | MB_ICONINFORMATION), IDOK);
    ASSERT_EQ(closer.Boxes.size(), 2u);
    EXPECT_EQ(closer.Boxes[0].ButtonCount, 2);
    EXPECT_EQ(closer.Boxes[0].Icon, QMessageBox::Question);
    EXPECT_EQ(closer.Boxes[1].Icon, QMessageBox::Information);
    EXPECT_EQ(closer.Boxes[1].Caption, QStringLiteral("I"));
}

TEST(Application, AnErrorEscapingAnEventHandlerReachesTheDefaultHandler) {
    std::vector<std::string> caught;
    TApplication::SetExceptionHandler([&](const std::exception& e) { caught.emplace_back(e.what()); });
    QObject target;
    QTimer::singleShot(0, &target, [] { throw std::runtime_error("from a handler"); });
    ASSERT_TRUE(WaitUntil([&] { return !caught.empty(); }));
    TApplication::Guarded([] { throw std::runtime_error("guarded"); });
    TApplication::SetExceptionHandler(nullptr);
    ASSERT_EQ(caught.size(), 2u);
    EXPECT_EQ(caught[0], "from a handler");
    EXPECT_EQ(caught[1], "guarded");
}
