// The threaded timer: when it ticks, where its ticks run, and that stopping and freeing it never wait on a tick.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QThread>

#include "skin/effects/ThreadedTimer.h"
#include "platform/Application.h"
#include "platform/GuiTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

// Lets the worker count down without running the user-interface thread's events, so that a tick it
// hands over stays waiting.
void SleepWithoutEvents(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

void RunEventsFor(int milliseconds) {
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

class CountingTimer : public ThreadedTimer {
public:
    CountingTimer() : ThreadedTimer(nullptr, true) {}
    int Ticks = 0;

protected:
    void Tick() override { ++Ticks; }
};

}  // namespace

TEST(ThreadedTimer, NeverTicksWithoutIntervalHandlerOrEnabled) {
    struct Case {
        const char* Name;
        unsigned Interval;
        bool Handler;
        bool Enabled;
    };
    for (const Case& c : {Case{"interval 0", 0, true, true}, Case{"no OnTimer", 20, false, true},
                          Case{"disabled", 20, true, false}}) {
        SCOPED_TRACE(c.Name);
        int ticks = 0;
        ThreadedTimer timer;
        EXPECT_TRUE(timer.Enabled());
        EXPECT_EQ(timer.Interval(), 1000u);
        EXPECT_EQ(timer.ThreadPriority(), tpNormal);
        timer.SetInterval(c.Interval);
        if (c.Handler) timer.SetOnTimer([&](QObject*) { ++ticks; });
        timer.SetEnabled(c.Enabled);
        EXPECT_FALSE(timer.Running());
        RunEventsFor(150);
        EXPECT_EQ(ticks, 0);
    }
}

TEST(ThreadedTimer, TicksOnTheGuiThreadOneAtATime) {
    ThreadedTimer timer;
    int ticks = 0;
    int depth = 0;
    int deepest = 0;
    bool offThread = false;
    QObject* sender = nullptr;
    timer.SetInterval(20);
    timer.SetOnTimer([&](QObject* from) {
        sender = from;
        offThread |= QThread::currentThread() != QCoreApplication::instance()->thread();
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        // Events run inside the handler: the worker must not hand over the next tick meanwhile.
        if (ticks == 1) RunEventsFor(100);
        --depth;
    });
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 4; }, 3000));
    EXPECT_FALSE(offThread);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(sender, &timer);
}

TEST(ThreadedTimer, OwnHandlerStartsDisabledAndStopsTicksAlreadyHandedOver) {
    CountingTimer timer;
    EXPECT_FALSE(timer.Enabled());
    timer.SetInterval(10);
    RunEventsFor(80);
    EXPECT_EQ(timer.Ticks, 0);

    timer.SetEnabled(true);
    ASSERT_TRUE(WaitUntil([&] { return timer.Ticks >= 2; }, 3000));
    // A tick handed over but not yet run when the timer is disabled does not run.
    SleepWithoutEvents(60);
    timer.SetEnabled(false);
    const int before = timer.Ticks;
    RunEventsFor(80);
    EXPECT_EQ(timer.Ticks, before);
}

TEST(ThreadedTimer, ANewIntervalStartsANewWait) {
    int ticks = 0;
    ThreadedTimer timer;
    timer.SetInterval(60000);
    timer.SetOnTimer([&](QObject*) { ++ticks; });
    RunEventsFor(30);
    timer.SetInterval(15);  // the worker must not sit out the minute it was waiting for
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }, 3000));
    timer.SetThreadPriority(tpHigher);
    EXPECT_EQ(timer.ThreadPriority(), tpHigher);
    const int before = ticks;
    EXPECT_TRUE(WaitUntil([&] { return ticks > before; }, 3000));
}

TEST(ThreadedTimer, FreeingARunningTimerReturnsPromptly) {
    // While the worker waits for its handed-over tick (events not running), and from inside the
    // handler itself: neither may wait for the other.
    std::atomic<int> ticks = 0;
    auto* timer = new ThreadedTimer();
    timer->SetInterval(1);
    timer->SetOnTimer([&](QObject*) { ++ticks; });
    SleepWithoutEvents(50);
    const auto start = Clock::now();
    delete timer;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    RunEventsFor(30);  // the tick posted before the end must not reach the freed timer
    EXPECT_EQ(ticks, 0);

    ThreadedTimer* self = new ThreadedTimer();
    int runs = 0;
    self->SetInterval(5);
    self->SetOnTimer([&](QObject*) {
        ++runs;
        delete self;
        self = nullptr;
    });
    EXPECT_TRUE(WaitUntil([&] { return self == nullptr; }, 3000));
    RunEventsFor(30);
    EXPECT_EQ(runs, 1);
}

TEST(ThreadedTimer, AFailingHandlerKeepsTheTimerTicking) {
    std::vector<std::string> errors;
    TApplication::SetExceptionHandler([&](const std::exception& e) { errors.emplace_back(e.what()); });
    int ticks = 0;
    {
        ThreadedTimer timer;
        timer.SetInterval(10);
        timer.SetOnTimer([&](QObject*) {
            if (++ticks == 1) throw std::runtime_error("tick failed");
        });
        EXPECT_TRUE(WaitUntil([&] { return ticks >= 3; }, 3000));
    }
    TApplication::SetExceptionHandler(nullptr);
    EXPECT_EQ(errors, std::vector<std::string>{"tick failed"});
}
