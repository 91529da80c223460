// The shell's context menu for one item: our own verbs "open", "rename", "delete" and "paste".
#pragma once

#include <vector>

#include <QString>

#include "ShellIdList.h"

class QMenu;
class QPoint;
class QWidget;

// Options of the menu's building.
constexpr unsigned CMF_NORMAL = 0x0;
constexpr unsigned CMF_EXPLORE = 0x4;
constexpr unsigned CMF_CANRENAME = 0x10;

/// Told around every command chosen from a context menu; BeforeCommand may take the command over.
class IShellCommandHook {
public:
    virtual ~IShellCommandHook() = default;
    virtual void BeforeCommand(const QString& verb, bool& handled) = 0;
    virtual void AfterCommand(const QString& verb, bool succeeded) = 0;
};

class TShellContextMenu {
public:
    struct TItem {
        QString Verb;
        QString Caption;
        bool Enabled = true;
    };

    /// The menu of the item at the absolute list, built with the CMF_ options.
    TShellContextMenu(TItemIdList item, unsigned options);

    /// The commands offered for the item, in menu order (QueryContextMenu).
    std::vector<TItem> Items() const;
    /// Adds the commands to a menu; each action carries its verb as data.
    void FillMenu(QMenu& menu) const;

    /// The shell's own work for a verb (InvokeCommand); false when it failed or was refused.
    bool InvokeCommand(const QString& verb, QWidget* owner) const;
    /// A chosen command: BeforeCommand, the shell's work unless the hook took it, AfterCommand.
    /// Verbs are compared without regard to case.
    void RunCommand(const QString& verb, QWidget* owner, IShellCommandHook* hook) const;
    /// Shows the menu at the screen position and runs the chosen command.
    void Popup(QWidget* owner, const QPoint& screenPos, IShellCommandHook* hook) const;

private:
    TItemIdList Item_;
    unsigned Options_;
};

/// Test hook: while set, "delete" hands the path here instead of moving it to the trash.
using ShellDeleteHandler = bool (*)(const QString& path);
void SetShellDeleteHandler(ShellDeleteHandler handler);
