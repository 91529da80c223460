// The skin command message: parameter packing and synchronous answers.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/NimbrelCommand.h"

namespace {
class Answering : public QWidget {
public:
    std::vector<std::pair<int, int>> Seen;
    int* LastData = nullptr;
    bool CameWithManager = false;

protected:
    bool event(QEvent* event) override {
        if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
            Seen.emplace_back(command->Command(), command->Argument());
            LastData = command->Data<int>();
            CameWithManager = command->Manager() != nullptr;
            if (command->Command() == 40) command->Result = -5;
            return true;
        }
        return QWidget::event(event);
    }
};
}  // namespace

TEST(NimbrelCommand, PacksCommandHighAndArgumentLow) {
    EXPECT_EQ(MakeNimbrelParam(3), 0x00030000u);
    EXPECT_EQ(MakeNimbrelParam(8, 1), 0x00080001u);
    // The argument keeps to its 16 bits and never spills into the command.
    EXPECT_EQ(MakeNimbrelParam(9, 0x12345), 0x00092345u);
    EXPECT_EQ(TNimbrelCommandEvent::EventType, static_cast<QEvent::Type>(0xA100));
}

TEST(NimbrelCommand, SendsSynchronouslyAndReturnsTheAnswer) {
    Answering receiver;
    int pointee = 0;
    EXPECT_EQ(SendNimbrelCommand(&receiver, MakeNimbrelParam(40, 7), reinterpret_cast<intptr_t>(&pointee)), -5);
    ASSERT_EQ(receiver.Seen.size(), 1u);
    EXPECT_EQ(receiver.Seen[0], std::make_pair(40, 7));
    EXPECT_EQ(receiver.LastData, &pointee);
    EXPECT_FALSE(receiver.CameWithManager);  // a data pointer is never taken for a manager
    EXPECT_EQ(SendNimbrelCommand(&receiver, MakeNimbrelParam(1)), 0);
    EXPECT_EQ(SendNimbrelCommand(nullptr, MakeNimbrelParam(1)), 0);
}

TEST(NimbrelCommand, OtherEventsAreNoCommands) {
    QEvent other(QEvent::User);
    EXPECT_EQ(AsNimbrelCommand(&other), nullptr);
}
