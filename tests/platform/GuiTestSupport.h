// Helpers of the GUI tests: answering the modal boxes that the code under test shows.
#pragma once

#include <functional>
#include <vector>

#include <QMessageBox>
#include <QString>

/// What a message box showed.
struct ShownBox {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    int ButtonCount = 0;
    bool Owned = false;  // it had a parent window
};

/// While alive, every message box that opens is recorded and closed with its first button.
class MessageBoxCloser {
public:
    MessageBoxCloser();
    ~MessageBoxCloser();
    std::vector<ShownBox> Boxes;

private:
    class QTimer* Timer_;
};

/// Runs events until the condition holds or the time (ms) is up; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 5000);
