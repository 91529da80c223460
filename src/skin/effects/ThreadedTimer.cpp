// ThreadedTimer: the worker's wait, the hand-over of each tick to the user-interface thread, and the
// reconfiguration and destruction that never wait for a tick.
#include "ThreadedTimer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include "platform/Application.h"

namespace {

QEvent::Type TickEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QThread::Priority ToQtPriority(TThreadPriority priority) {
    switch (priority) {
        case tpIdle: return QThread::IdlePriority;
        case tpLowest: return QThread::LowestPriority;
        case tpLower: return QThread::LowPriority;
        case tpNormal: return QThread::NormalPriority;
        case tpHigher: return QThread::HighPriority;
        case tpHighest: return QThread::HighestPriority;
        case tpTimeCritical: return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

}  // namespace

bool ApplicationTerminating() {
    return QCoreApplication::instance() == nullptr || QCoreApplication::closingDown();
}

// The only state the worker shares with the user-interface thread. One condition variable serves
// the wake-up event, the reconfiguration and the end of a handed-over tick.
struct ThreadedTimer::Shared {
    std::mutex Mutex;
    std::condition_variable Changed;
    bool Signalled = false;       // the wake-up event: set once, at destruction
    bool Running = false;         // the worker counts down to ticks
    unsigned Interval = 1000;
    unsigned Generation = 0;      // bumped by every reconfiguration: the worker starts a new wait
    bool TickHandedOver = false;  // a tick waits to be run on the user-interface thread
    QObject* Receiver = nullptr;  // the timer; only posted to, never touched by the worker
};

class ThreadedTimer::TimerThread : public QThread {
public:
    explicit TimerThread(std::shared_ptr<Shared> shared) : Shared_(std::move(shared)) {}

protected:
    void run() override {
        Shared& s = *Shared_;
        std::unique_lock lock(s.Mutex);
        while (!s.Signalled) {
            if (!s.Running || s.Interval == 0) {
                s.Changed.wait(lock, [&] { return s.Signalled || (s.Running && s.Interval != 0); });
                continue;
            }
            const unsigned generation = s.Generation;
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(s.Interval);
            if (s.Changed.wait_until(lock, deadline, [&] { return s.Signalled || s.Generation != generation; }))
                continue;  // signalled or reconfigured: no tick from this wait
            // The tick runs on the user-interface thread; the worker waits until it has run there or
            // the timer is being destroyed (which drops the tick instead of waiting for it).
            s.TickHandedOver = true;
            QCoreApplication::postEvent(s.Receiver, new QEvent(TickEventType()), Qt::HighEventPriority);
            s.Changed.wait(lock, [&] { return s.Signalled || !s.TickHandedOver; });
        }
    }

private:
    std::shared_ptr<Shared> Shared_;
};

ThreadedTimer::ThreadedTimer(QObject* owner) : QObject(owner) { Start(); }

ThreadedTimer::ThreadedTimer(QObject* owner, bool ownHandler) : QObject(owner) {
    Start();
    Enabled_ = false;
    if (ownHandler) OnTimer_ = [this](QObject*) { Tick(); };
    Reconfigure();
}

void ThreadedTimer::Start() {
    if (ApplicationTerminating()) return;
    Shared_ = std::make_shared<Shared>();
    Shared_->Receiver = this;
    Shared_->Interval = Interval_;
    Thread_ = std::make_unique<TimerThread>(Shared_);
    Thread_->start(ToQtPriority(Priority_));
}

ThreadedTimer::~ThreadedTimer() {
    if (!Thread_) return;
    {
        std::lock_guard lock(Shared_->Mutex);
        Shared_->Signalled = true;
    }
    Shared_->Changed.notify_all();
    Thread_->wait();
    // A tick posted before the worker saw the signal is removed with this object's posted events.
}

bool ThreadedTimer::Running() const { return Enabled_ && Interval_ != 0 && static_cast<bool>(OnTimer_); }

void ThreadedTimer::Reconfigure() {
    if (!Shared_) return;
    {
        std::lock_guard lock(Shared_->Mutex);
        Shared_->Interval = Interval_;
        Shared_->Running = Running();
        ++Shared_->Generation;
    }
    Shared_->Changed.notify_all();
}

void ThreadedTimer::SetEnabled(bool value) {
    Enabled_ = value;
    Reconfigure();
}

void ThreadedTimer::SetInterval(unsigned milliseconds) {
    Interval_ = milliseconds;
    Reconfigure();
}

void ThreadedTimer::SetOnTimer(TNotifyEvent handler) {
    OnTimer_ = std::move(handler);
    Reconfigure();
}

void ThreadedTimer::SetThreadPriority(TThreadPriority priority) {
    Priority_ = priority;
    if (Thread_ && Thread_->isRunning()) Thread_->setPriority(ToQtPriority(priority));
    Reconfigure();
}

bool ThreadedTimer::event(QEvent* event) {
    if (event->type() != TickEventType()) return QObject::event(event);
    RunTick();
    return true;
}

void ThreadedTimer::RunTick() {
    // The handler may free the timer: the shared state outlives it, and a freed timer has already
    // released its worker.
    const std::shared_ptr<Shared> shared = Shared_;
    // A tick that arrives after the timer was stopped or reconfigured to stop is not run.
    if (Running() && !ApplicationTerminating()) {
        const TNotifyEvent handler = OnTimer_;
        FireEvent(handler, this);
    }
    {
        std::lock_guard lock(shared->Mutex);
        shared->TickHandedOver = false;
    }
    shared->Changed.notify_all();
}
