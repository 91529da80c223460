// The hook's attach logic: the Tag rule, the skip list, the skinning rules, the dialog-frame limits and
// the wrappers of the windows taken.
#include "FormHook.h"

#include <algorithm>

#include <QCoreApplication>
#include <QWidget>

#include "DialogFrame.h"
#include "platform/Forms.h"
#include "skin/manager/SkinCommands.h"
#include "platform/WindowClass.h"
#include "platform/WindowHook.h"
#include "sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace {

std::vector<QPointer<THookedWindow>>& Wrappers() {
    static std::vector<QPointer<THookedWindow>> wrappers;
    return wrappers;
}

// The engine's own auxiliary windows carry -98; the bits of 0x61 do not count.
constexpr intptr_t kSkippedTag = -98;
constexpr intptr_t kIgnoredTagBits = 0x61;

bool IsPopupWindowType(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen;
}

// The window style as the hook reads it: a form's from its border style, a dialog's as a popup with
// a border, any other window from its flags.
bool HasPopupStyle(const QWidget* window) {
    if (const auto* form = qobject_cast<const TForm*>(window))
        return form->BorderStyle() == TFormBorderStyle::bsNone || form->BorderStyle() == TFormBorderStyle::bsDialog;
    return IsPopupWindowType(window) || window->windowType() == Qt::Dialog ||
           window->windowFlags().testFlag(Qt::FramelessWindowHint);
}

bool HasBorderStyle(const QWidget* window) {
    if (const auto* form = qobject_cast<const TForm*>(window))
        return form->BorderStyle() != TFormBorderStyle::bsNone;
    return !IsPopupWindowType(window) && !window->windowFlags().testFlag(Qt::FramelessWindowHint);
}

void Forget(const QObject* window) {
    auto& windows = TsSkinManager::HookedWindows();
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [window](const QPointer<QWidget>& w) { return w.isNull() || w.data() == window; }),
                  windows.end());
}

void Add(THookedWindow* wrapper) {
    Wrappers().emplace_back(wrapper);
    TsSkinManager::HookedWindows().emplace_back(wrapper->Window());
}

void Drop(THookedWindow* wrapper) {
    auto& wrappers = Wrappers();
    wrappers.erase(std::remove_if(wrappers.begin(), wrappers.end(),
                                  [wrapper](const QPointer<THookedWindow>& w) { return w.isNull() || w == wrapper; }),
                   wrappers.end());
}

int VisibleDialogFrames() {
    int count = 0;
    for (const auto& wrapper : Wrappers())
        if (wrapper && wrapper->DialogFrame() != nullptr && wrapper->Window() != nullptr && wrapper->Window()->isVisible())
            ++count;
    return count;
}

bool HasToolbarBelow(const QWidget* window) {
    for (const QWidget* child : window->findChildren<QWidget*>())
        if (WindowClassName(child).toLower() == QLatin1String("toolbarwindow32")) return true;
    return false;
}

void OnHookMessage(const THookMessage& message) {
    if (QCoreApplication::closingDown()) return;
    switch (message.Event) {
        case THookEvent::Activate: AttachWindow(message.Window); break;
        // A system dialog is taken when it is made. A form too: activation comes only after a window
        // is on the screen, and its platform frame must never show.
        case THookEvent::Create: AttachWindow(message.Window); break;
        case THookEvent::Destroy: DetachDestroyedWindows(message.Destroyed); break;
    }
}

}  // namespace

// --- THookedWindow -----------------------------------------------------------------------------------

THookedWindow::THookedWindow(QWidget* window, TForm* form)
    : QObject(form), Window_(window), Form_(form), Identity_(window) {}

THookedWindow::~THookedWindow() {
    Frame_.reset();
    Drop(this);
    Forget(Identity_);
}

TsSkinProvider* THookedWindow::Provider() const { return Provider_; }

void THookedWindow::CreateProvider() {
    if (Form_ != nullptr) Provider_ = TsSkinProvider::CreateAtRunTime(Form_);
}

bool THookedWindow::AttachDialogFrame() {
    if (Window_ == nullptr) return false;
    Frame_ = std::make_unique<TDialogFrame>(Window_);
    if (!Frame_->Attach()) {
        Frame_.reset();
        return false;
    }
    return true;
}

// --- The attach logic ----------------------------------------------------------------------------------

QStringList& HookSkipList() {
    static QStringList list{QStringLiteral("TApplication"), QStringLiteral("TfcPopup")};
    return list;
}

const std::vector<QPointer<THookedWindow>>& HookedWrappers() { return Wrappers(); }

THookedWindow* HookedWrapperOf(const QWidget* window) {
    for (const auto& wrapper : Wrappers())
        if (wrapper && wrapper->Window() == window && window != nullptr) return wrapper;
    return nullptr;
}

bool AttachWindow(QWidget* window) {
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (manager == nullptr || window == nullptr || QCoreApplication::closingDown() || !window->isWindow()) return false;
    if (AnswersSkinCommands(window)) return false;  // skinned already: a provider of its own
    const QString className = WindowClassName(window);
    if (HasPopupStyle(window) && !HasBorderStyle(window)) return false;
    if (HookedWrapperOf(window) != nullptr) return false;
    const TsSkinningRules rules = manager->SkinningRules();

    auto* form = qobject_cast<TForm*>(window);
    if (form == nullptr) {
        // An unowned system dialog.
        if (className != QLatin1String("#32770") || window->parentWidget() != nullptr || !(rules & srStdDialogs))
            return false;
        if (VisibleDialogFrames() > 1 && !HasToolbarBelow(window)) return false;
        auto* wrapper = new THookedWindow(window, nullptr);
        Add(wrapper);
        if (!wrapper->AttachDialogFrame()) {
            delete wrapper;
            return false;
        }
        return true;
    }
    if ((form->Tag & ~kIgnoredTagBits) == kSkippedTag) return false;
    if (HookSkipList().contains(className)) return false;
    const TsSkinningRule rule = className == QLatin1String("TMessageForm") ? srStdDialogs : srStdForms;
    if (!(rules & rule)) return false;
    auto* wrapper = new THookedWindow(window, form);
    Add(wrapper);
    wrapper->CreateProvider();
    return true;
}

void DetachDestroyedWindows(const QObject* destroyed) {
    const std::vector<QPointer<THookedWindow>> wrappers = Wrappers();
    for (const auto& wrapper : wrappers) {
        if (!wrapper || wrapper->DialogFrame() == nullptr) continue;
        if (wrapper->Window() == nullptr || wrapper->Identity() == destroyed || wrapper->DialogFrame()->Destroying())
            delete wrapper.data();
    }
    Drop(nullptr);
    Forget(nullptr);
}

void InstallFormHook() { TWindowHook::Install(OnHookMessage); }

void RemoveFormHook() {
    TWindowHook::Remove();
    const std::vector<QPointer<THookedWindow>> wrappers = Wrappers();
    for (const auto& wrapper : wrappers) delete wrapper.data();
    Wrappers().clear();
    TsSkinManager::HookedWindows().clear();
}

TsSkinManager::WindowHookHandlers FormHookHandlers() { return {&InstallFormHook, &RemoveFormHook}; }
