// Putting a window's controls into the states a shot asks for.
#include "ShotStates.h"

#include <iostream>

#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "ShotSettle.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sProgressBar.h"
#include "platform/Forms.h"

namespace {

void CollectControls(QWidget* container, std::vector<QWidget*>& controls) {
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) continue;
        if (widget->objectName().isEmpty())
            CollectControls(widget, controls);
        else
            controls.push_back(widget);
    }
}

// A step whose effect did not come is reported; the picture is still taken.
void Expect(bool reached, const std::string& failure) {
    if (!reached) std::cerr << "shot: " << failure << "\n";
}

[[noreturn]] void Lacks(const std::string& name, const std::string& what) {
    throw ShotError(kShotExitNoControl, "shot: " + name + " " + what);
}

std::string ClassName(const QWidget* control) {
    return control->metaObject()->className();
}

}  // namespace

std::vector<QWidget*> ShotControls(const ShotWindow& window) {
    std::vector<QWidget*> controls;
    CollectControls(window.Form->Client(), controls);
    return controls;
}

QWidget* FindShotControl(const ShotWindow& window, const std::string& name) {
    std::string known;
    for (QWidget* control : ShotControls(window)) {
        if (control->objectName().toStdString() == name) return control;
        known += (known.empty() ? "" : ", ") + control->objectName().toStdString();
    }
    throw ShotError(kShotExitNoControl, "shot: " + window.Title + " has no control \"" + name + "\" (" + known + ")");
}

void ApplyControlStates(const ShotWindow& window, const ShotRequest& request) {
    for (const auto& [name, text] : request.Texts) {
        auto* edit = qobject_cast<QLineEdit*>(FindShotControl(window, name));
        if (edit == nullptr)
            Lacks(name, "is no edit (" + ClassName(FindShotControl(window, name)) + "): --text needs one");
        edit->setText(QString::fromStdString(text));
    }
    if (request.Progress) {
        TsProgressBar* bar = nullptr;
        for (QWidget* control : ShotControls(window))
            if (bar == nullptr) bar = qobject_cast<TsProgressBar*>(control);
        if (bar == nullptr) throw ShotError(kShotExitNoControl, "shot: " + window.Title + " has no progress bar");
        bar->SetMax(request.Progress->Max);
        bar->SetPosition(request.Progress->Position);
    }
    for (const std::string& name : request.Disable) FindShotControl(window, name)->setEnabled(false);
    for (const std::string& name : request.Down) {
        auto* button = qobject_cast<TsButton*>(FindShotControl(window, name));
        if (button == nullptr) Lacks(name, "has no Down property (" + ClassName(FindShotControl(window, name)) + ")");
        button->SetDown(true);
    }
}

void ParkPointer() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen->geometry().bottomRight());
}

ShotFocusSink ApplyWindowStates(const ShotWindow& window, const ShotRequest& request) {
    TForm* form = window.Form;
    QWindow* handle = form->windowHandle();
    // A platform with a real display answers asynchronously: each step waits for its effect.
    Expect(QTest::qWaitForWindowExposed(handle, kShotWaitMs), "the platform did not show the window");
    ShotFocusSink sink;
    if (!request.Inactive) {
        form->activateWindow();
        Expect(QTest::qWaitForWindowActive(handle, kShotWaitMs), "the window did not become active");
    } else if (form->isActiveWindow()) {
        // Platforms that activate every shown window: a window of no consequence takes the activation.
        sink = std::make_unique<QWindow>();
        sink->setFlags(Qt::Tool | Qt::FramelessWindowHint);
        sink->setGeometry(-10, -10, 1, 1);
        sink->show();
        sink->requestActivate();
        Expect(QTest::qWaitFor([form] { return !form->isActiveWindow(); }, kShotWaitMs), "the window stayed active");
    }
    if (!request.Focus.empty()) {
        QWidget* control = FindShotControl(window, request.Focus);
        // setFocus obeys no focus policy; a user can only focus what takes the focus.
        if (control->focusPolicy() == Qt::NoFocus) Lacks(request.Focus, "never takes the keyboard focus");
        control->setFocus(Qt::OtherFocusReason);
        SettleWindow();
        if (form->focusWidget() != control) Lacks(request.Focus, "cannot take the keyboard focus");
    }
    const std::string& mouseOver = request.Press.empty() ? request.Hover : request.Press;
    if (!mouseOver.empty()) {
        QWidget* control = FindShotControl(window, mouseOver);
        const QPoint centre = control->mapTo(form, control->rect().center());
        // Moving the pointer lets the platform send the enter and move events itself.
        QCursor::setPos(handle->mapToGlobal(centre));
        Expect(QTest::qWaitFor([control] { return control->underMouse(); }, kShotWaitMs),
               "the pointer did not reach " + mouseOver);
        if (!request.Press.empty()) QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, centre);
        SettleWindow();
    }
    return sink;
}
