// The GUI suites' main: the application object on the offscreen platform, then every test.
#include <gtest/gtest.h>

#include "TestIsolation.h"
#include "platform/Application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    // Tests close windows freely; the last one closing must not end anything.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallTestIsolation();
    return RUN_ALL_TESTS();
}
