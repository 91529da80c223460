// The controls' On... events: a failing handler's error goes to the application's error handling,
// never out through Qt, and ends what the control was doing.
#include <gtest/gtest.h>

#include <functional>

#include <QToolButton>

#include "skin/controls/sButton.h"
#include "skin/controls/sComboBoxes.h"
#include "skin/controls/sTooledit.h"
#include "core/Exception.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"

namespace {

/// Collects the errors the application's default handling would show.
struct CaughtErrors {
    CaughtErrors() {
        TApplication::SetExceptionHandler([this](const std::exception& e) { Messages.emplace_back(e.what()); });
    }
    ~CaughtErrors() { TApplication::SetExceptionHandler(nullptr); }
    std::vector<std::string> Messages;
};

/// Counts the file and folder dialogs run, which answer "cancelled".
struct DialogRuns {
    DialogRuns() {
        SetOpenDialogHook([this](const TOpenDialogSettings&, QString&) {
            ++Runs;
            return false;
        });
        SetFolderDialogHook([this](const TFolderDialogRequest&, QString&) {
            ++Runs;
            return false;
        });
    }
    ~DialogRuns() {
        SetOpenDialogHook(nullptr);
        SetFolderDialogHook(nullptr);
    }
    int Runs = 0;
};

[[noreturn]] void Fail(const char* what) { throw Exception(what); }

TEST(ControlEvents, AFailingHandlerIsReportedOnceAndEndsThePress) {
    struct Case {
        const char* Name;
        std::function<void()> Run;  // builds the control, sets the failing handler, presses
        int DialogsExpected;
    };
    const Case cases[] = {
        {"button OnClick",
         [] {
             TsButton button;
             button.OnClick = [](QObject*) { Fail("button OnClick"); };
             button.click();
         },
         0},
        {"colour box OnSelect",
         [] {
             TsColorBox box;
             box.OnSelect = [](QObject*) { Fail("colour box OnSelect"); };
             box.setCurrentIndex(1);
             emit box.activated(1);
         },
         0},
        {"file edit OnButtonClick",
         [] {
             TsFilenameEdit edit;
             edit.OnButtonClick = [](QObject*) { Fail("file edit OnButtonClick"); };
             edit.Button()->click();
         },
         0},
        {"file edit OnBeforeDialog",
         [] {
             TsFilenameEdit edit;
             edit.OnBeforeDialog = [](QObject*, QString&, bool&) { Fail("file edit OnBeforeDialog"); };
             edit.Button()->click();
         },
         0},
        {"file edit OnAfterDialog",
         [] {
             TsFilenameEdit edit;
             edit.OnAfterDialog = [](QObject*, QString&, bool&) { Fail("file edit OnAfterDialog"); };
             edit.Button()->click();
         },
         1},
        {"folder edit OnBeforeDialog",
         [] {
             TsDirectoryEdit edit;
             edit.OnBeforeDialog = [](QObject*, QString&, bool&) { Fail("folder edit OnBeforeDialog"); };
             edit.Button()->click();
         },
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CaughtErrors errors;
        DialogRuns dialogs;
        EXPECT_NO_THROW(c.Run());
        EXPECT_EQ(errors.Messages, std::vector<std::string>{c.Name});
        EXPECT_EQ(dialogs.Runs, c.DialogsExpected);
    }
}

}  // namespace
