// Answering modal boxes in the GUI tests.
#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

MessageBoxCloser::MessageBoxCloser() : Timer_(new QTimer) {
    QObject::connect(Timer_, &QTimer::timeout, [this] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible()) continue;
            ShownBox shown;
            shown.Caption = box->windowTitle();
            shown.Text = box->text();
            shown.Icon = box->icon();
            shown.ButtonCount = static_cast<int>(box->buttons().size());
            shown.Owned = box->parentWidget() != nullptr;
            Boxes.push_back(shown);
            if (!box->buttons().isEmpty()) box->buttons().front()->click();
        }
    });
    Timer_->start(20);
}

MessageBoxCloser::~MessageBoxCloser() { delete Timer_; }

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
