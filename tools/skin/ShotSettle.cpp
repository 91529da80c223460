// Letting a window finish what is pending, running fades included.
#include "ShotSettle.h"

#include <QCoreApplication>
#include <QThread>

#include "skin/effects/sFade.h"

void SettleWindow(std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + limit;
    // Returns as soon as a pass over the queues handles nothing, so events posted while handling
    // others (layouts, update requests and the paints they cause) are handled too.
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(limit.count()));
    // A fade steps on its timer every 10 ms until its control stops it: the picture is taken from
    // the finished look.
    while (LiveFadeTimers() > 0 && Clock::now() < deadline) {
        QThread::msleep(2);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}
