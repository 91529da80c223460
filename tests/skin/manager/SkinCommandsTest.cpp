// The skin protocol: which receivers speak it.
#include <gtest/gtest.h>

#include <QWidget>

#include "skin/manager/SkinCommands.h"

namespace {
class Answering : public QWidget {
protected:
    bool event(QEvent* event) override {
        if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
            if (command->Command() == AC_CTRLHANDLED) command->Result = 1;
            return true;
        }
        return QWidget::event(event);
    }
};
}  // namespace

TEST(SkinCommands, OnlyReceiversThatAnswerOneHandleTheCommands) {
    Answering skinned;
    QWidget plain;
    EXPECT_TRUE(AnswersSkinCommands(&skinned));
    EXPECT_FALSE(AnswersSkinCommands(&plain));
}
