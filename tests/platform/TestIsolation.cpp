// After every GUI test: no window, no hook and no registered process state may be left over.
#include "TestIsolation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "platform/Application.h"
#include "platform/DesktopEffects.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/WindowHook.h"

namespace {

std::vector<LeftoverCheck>& Checks() {
    static std::vector<LeftoverCheck> checks;
    return checks;
}

std::vector<std::string> LeftWindows() {
    // Windows deleted later still go first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<std::string> left;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        left.push_back(std::string("window ") + window->metaObject()->className() + " \"" +
                       window->objectName().toStdString() + "\"");
        delete window;
    }
    return left;
}

std::vector<std::string> LeftPlatformState() {
    std::vector<std::string> left;
    if (TWindowHook::Installed()) {
        TWindowHook::Remove();
        left.push_back("the window hook");
    }
    if (ClassicDialogs()) {
        SetClassicDialogs(false);
        left.push_back("classic dialogs");
    }
    if (LayeredWindowsAvailable() || DesktopCompositionEnabled()) left.push_back("a desktop effects override");
    // Hooks without a reader are reset without a word.
    SetLayeredWindowsOverride(std::nullopt);
    SetDesktopCompositionOverride(std::nullopt);
    SetOpenDialogHook(nullptr);
    SetFolderDialogHook(nullptr);
    SetColorDialogHook(nullptr);
    SetShellOpenHandler(nullptr);
    TApplication::SetExceptionHandler(nullptr);
    return left;
}

class IsolationListener : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        std::vector<std::string> left = LeftWindows();
        for (const LeftoverCheck& check : Checks()) {
            for (std::string& item : check()) left.push_back(std::move(item));
        }
        for (std::string& item : LeftPlatformState()) left.push_back(std::move(item));
        for (const std::string& item : left) ADD_FAILURE() << "the test left " << item << " behind";
    }
};

}  // namespace

void AddLeftoverCheck(LeftoverCheck check) { Checks().push_back(std::move(check)); }

void InstallTestIsolation() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new IsolationListener);
}
