// Letting a window finish what is pending.
#include "ShotSettle.h"

#include <QCoreApplication>

void SettleWindow(std::chrono::milliseconds limit) {
    // Returns as soon as a pass over the queues handles nothing, so events posted while handling
    // others (layouts, update requests and the paints they cause) are handled too.
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(limit.count()));
}
