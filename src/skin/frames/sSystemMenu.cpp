// System menu items, their rules and their commands.
#include "sSystemMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QTimer>

#include "platform/EngineTexts.h"
#include "platform/SysCommands.h"

namespace {

std::array<QString, smItemCount> EngineCaptions() {
    return {LoadResString(s_Restore), LoadResString(s_Move),     LoadResString(s_Size),
            LoadResString(s_Minimize), LoadResString(s_Maximize), LoadResString(s_Close)};
}

bool WideStyle(TFormBorderStyle style) {
    return style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable;
}

}  // namespace

std::array<TSystemMenuItemState, smItemCount> SystemMenuItemStates(const TFrameLayout& layout) {
    const TFrameWindowInfo& info = layout.Info();
    const bool minimized = info.State == TFrameWindowState::Minimized;
    const bool maximized = info.State == TFrameWindowState::Maximized;
    const bool normal = info.State == TFrameWindowState::Normal;
    const TBorderIcons icons = info.BorderIcons;
    const TFormBorderStyle style = info.BorderStyle;
    std::array<TSystemMenuItemState, smItemCount> states;
    states[smRestore] = {info.HasSystemMenu && (info.MdiChild || WideStyle(style)),
                         ((icons & biMaximize) && !normal) || minimized};
    states[smMove] = {true, !maximized};
    states[smSize] = {info.MdiChild || (style != TFormBorderStyle::bsNone && style != TFormBorderStyle::bsDialog &&
                                         style != TFormBorderStyle::bsToolWindow),
                      style != TFormBorderStyle::bsSingle && !minimized};
    states[smMinimize] = {layout.Buttons[fbMinimize].Visible, (icons & biMinimize) && !minimized};
    states[smMaximize] = {layout.Buttons[fbMaximize].Visible,
                          (icons & biMaximize) && (info.MdiChild || (!maximized && WideStyle(style)))};
    states[smClose] = {info.HasSystemMenu, true};
    return states;
}

int SystemMenuCommand(TSystemMenuItem item) {
    static constexpr int kCommands[smItemCount] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
    return kCommands[item];
}

// --- TsCustomSysMenu ---------------------------------------------------------------------------------

TsCustomSysMenu::TsCustomSysMenu(QWidget* window, const TFrameLayout& layout, QWidget* parent)
    : QMenu(parent), Window_(window), Layout_(layout) {
    setObjectName(QStringLiteral("SysMenu"));
}

void TsCustomSysMenu::Build(const std::array<QString, smItemCount>& captions) {
    for (int i = 0; i < smItemCount; ++i) {
        const auto item = static_cast<TSystemMenuItem>(i);
        if (item == smClose) SeparatorBeforeClose = addSeparator();
        // A caption's text after a tab is the item's shortcut text.
        const QString caption = captions[i];
        const qsizetype tab = caption.indexOf(QLatin1Char('\t'));
        QAction* action = addAction(tab < 0 ? caption : caption.left(tab));
        if (tab >= 0) action->setShortcut(QKeySequence(caption.mid(tab + 1)));
        connect(action, &QAction::triggered, this, [this, item] { Choose(item); });
        Items_[i] = action;
    }
}

void TsCustomSysMenu::UpdateItems() {
    const auto states = SystemMenuItemStates(Layout_);
    for (int i = 0; i < smItemCount; ++i) {
        if (Items_[i] == nullptr) continue;
        Items_[i]->setVisible(states[i].Visible);
        Items_[i]->setEnabled(states[i].Enabled);
    }
}

void TsCustomSysMenu::ShowAt(QPoint globalPos) {
    UpdateItems();
    popup(globalPos);
}

void TsCustomSysMenu::Choose(TSystemMenuItem item) {
    SendSysCommand(Window_, SystemMenuCommand(item));
    if (item == smRestore || item == smMaximize) UpdateItems();
}

// --- TsSystemMenu ---------------------------------------------------------------------------------------

TsSystemMenu::TsSystemMenu(QWidget* window, const TFrameLayout& layout, QWidget* parent)
    : TsCustomSysMenu(window, layout, parent) {
    // A frameless window has no platform system menu to read captions from.
    Build(EngineCaptions());
}

// --- TDialogSystemMenu ----------------------------------------------------------------------------------

TDialogSystemMenu::TDialogSystemMenu(QWidget* window, const TFrameLayout& layout, QWidget* parent)
    : TsCustomSysMenu(window, layout, parent) {
    std::array<QString, smItemCount> captions = EngineCaptions();
    captions[smClose] += QStringLiteral("\tAlt+F4");
    Build(captions);
    static const char* const kNames[smItemCount] = {"miRestore", "miMove", "miSize", "miMinimize", "miMaximize", "miClose"};
    for (int i = 0; i < smItemCount; ++i) Item(static_cast<TSystemMenuItem>(i))->setObjectName(QLatin1String(kNames[i]));
}
