// The map path a file manager hands the program, beside the version switch.
#include <gtest/gtest.h>

#include <QDir>

#include "app/StartupArguments.h"

TEST(StartupArguments, TheFirstArgumentThatIsNotTheVersionSwitchIsTheMap) {
    const QString here = QDir::currentPath();
    struct Case {
        QStringList Arguments;
        QString Expected;
    } cases[] = {
        {{}, {}},
        {{"/nbver"}, {}},
        {{"/NbVer", "/maps/plan.jpg"}, "/maps/plan.jpg"},
        {{"/maps/plan.jpg", "/nbver"}, "/maps/plan.jpg"},
        {{"plan.jpg"}, here + "/plan.jpg"},
        {{"", "/maps/Карта.jpg"}, "/maps/Карта.jpg"},
    };
    for (const Case& c : cases) EXPECT_EQ(MapPathArgument(c.Arguments), c.Expected) << c.Arguments.join(' ').toStdString();
}
