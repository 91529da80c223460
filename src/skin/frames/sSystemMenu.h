// The skinned system menus: a form's (TsSystemMenu) and a system dialog's (TDialogSystemMenu).
#pragma once

#include <array>

#include <QMenu>
#include <QPointer>

#include "FrameGeometry.h"

class QAction;

/// The fixed items, in menu order.
enum TSystemMenuItem { smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smItemCount };

struct TSystemMenuItemState {
    bool Visible = false;
    bool Enabled = false;
};

/// Which items a window's system menu shows and enables, from its frame layout.
std::array<TSystemMenuItemState, smItemCount> SystemMenuItemStates(const TFrameLayout& layout);

/// The command of a fixed item.
int SystemMenuCommand(TSystemMenuItem item);

/// A pop-up menu named "SysMenu" of a window's system commands. Choosing an item sends its command
/// to the window (restore and maximize then update the items).
class TsCustomSysMenu : public QMenu {
    Q_OBJECT
public:
    TsCustomSysMenu(QWidget* window, const TFrameLayout& layout, QWidget* parent = nullptr);

    QAction* Item(TSystemMenuItem item) const { return Items_[item]; }
    /// The window the commands go to.
    QWidget* TargetWindow() const { return Window_; }
    /// Sets visibility and enabled state of every item from the window's present layout.
    void UpdateItems();
    /// Updates the items and pops the menu up at a screen position.
    void ShowAt(QPoint globalPos);

protected:
    /// Adds the fixed items with their captions (shortcut texts after a tab); the separator goes
    /// before Close, extra items between.
    void Build(const std::array<QString, smItemCount>& captions);
    QAction* SeparatorBeforeClose = nullptr;

private:
    void Choose(TSystemMenuItem item);

    QPointer<QWidget> Window_;
    const TFrameLayout& Layout_;
    std::array<QAction*, smItemCount> Items_{};
};

/// A form's system menu: the fixed items with the captions of the window's platform system menu or,
/// where it has none (always here: the frameless host has no platform menu), the engine's texts,
/// and the window's own extra items (commands below 0xF000) before Close.
class TsSystemMenu : public TsCustomSysMenu {
    Q_OBJECT
public:
    TsSystemMenu(QWidget* window, const TFrameLayout& layout, QWidget* parent = nullptr);

private:
    QAction* ExtraSeparator_ = nullptr;
};

/// A system dialog's menu: "miRestore", "miMove", "miSize", "miMinimize", "miMaximize", a separator
/// and "miClose" (Alt+F4), with the engine's texts.
class TDialogSystemMenu : public TsCustomSysMenu {
    Q_OBJECT
public:
    TDialogSystemMenu(QWidget* window, const TFrameLayout& layout, QWidget* parent = nullptr);
};
