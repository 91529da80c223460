// ThreadedTimer: a timer whose ticks come from a worker thread and run on the user-interface thread.
#pragma once

#include <functional>
#include <memory>

#include <QObject>

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

/// The worker waits on a wake-up event for Interval milliseconds; every wait that times out hands
/// one tick to the user-interface thread and waits until it has run there. The worker only waits
/// while Enabled, Interval != 0 and OnTimer is set. Destruction never waits for a tick: a tick
/// handed over but not yet run is dropped.
class ThreadedTimer : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(QObject* sender)>;

    /// Enabled, Interval 1000, tpNormal; the worker starts at once (unless the application is
    /// already terminating, when the timer never ticks).
    explicit ThreadedTimer(QObject* owner = nullptr);
    /// The same, then disabled; with ownHandler, OnTimer calls the class's own Tick.
    ThreadedTimer(QObject* owner, bool ownHandler);
    /// Signals the worker, waits for it to end and frees it; returns promptly even while a tick is
    /// handed over, and may be called from inside OnTimer.
    ~ThreadedTimer() override;

    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return Interval_; }
    void SetInterval(unsigned milliseconds);
    const TNotifyEvent& OnTimer() const { return OnTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    TThreadPriority ThreadPriority() const { return Priority_; }
    void SetThreadPriority(TThreadPriority priority);

    /// Whether the worker counts down to ticks (Enabled, Interval != 0, OnTimer set).
    bool Running() const;

protected:
    /// The class's own tick handler; empty here, for descendants created with ownHandler.
    virtual void Tick() {}
    bool event(QEvent* event) override;

private:
    struct Shared;
    class TimerThread;
    void Start();
    /// Hands the current settings to the worker, which starts a new wait with them.
    void Reconfigure();
    void RunTick();

    bool Enabled_ = true;
    unsigned Interval_ = 1000;
    TNotifyEvent OnTimer_;
    TThreadPriority Priority_ = tpNormal;
    std::shared_ptr<Shared> Shared_;
    std::unique_ptr<TimerThread> Thread_;
};

/// Whether the application is going down (no application object, or it is being destroyed).
bool ApplicationTerminating();
