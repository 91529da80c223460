// Edits with a browse button: the base, the file-name edit and the folder-name edit.
#pragma once

#include <functional>

#include <QKeySequence>
#include <QStringList>

#include "core/Exception.h"
#include "platform/Dialogs.h"
#include "sEdit.h"

class QToolButton;

/// Where the browse button's glyph comes from and how it is blended.
struct TsGlyphMode {
    int ImageIndex = -1;
    int ImageIndexHot = -1;
    int ImageIndexPressed = -1;
    int Blend = 0;  // percent
    bool Grayed = false;
    QString Hint;
};

/// An edit with a small button at its right end; the button's press runs BrowseButtonPressed.
class TsCustomComboEdit : public TsEdit {
    Q_OBJECT
public:
    explicit TsCustomComboEdit(QWidget* parent = nullptr);

    bool ShowButton() const { return ShowButton_; }
    void SetShowButton(bool value);
    /// Shortcut: virtual key in the low byte, Shift 0x2000, Ctrl 0x4000, Alt 0x8000.
    int ClickKey = 0x8000 + 0x28;
    bool DirectInput() const { return DirectInput_; }
    void SetDirectInput(bool value);
    /// The text cannot be changed and the button does nothing.
    bool ReadOnly() const { return ReadOnly_; }
    void SetReadOnly(bool value);
    bool AutoSelect = true;
    TsGlyphMode GlyphMode;
    std::function<void(QObject*)> OnButtonClick;

    QToolButton* Button() const { return Button_; }
    int ButtonWidth() const;
    /// The text's right edge stops at the button, which stands inside the frame at the right end.
    void UpdateTextRect() override;

    /// The button's press: fires OnButtonClick; the edits with dialogs add their dialog.
    virtual void BrowseButtonPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QToolButton* Button_;
    bool ShowButton_ = true;
    bool DirectInput_ = true;
    bool ReadOnly_ = false;
};

/// A name given to a file edit that no dialog could take.
class EComboEditError : public Exception {
public:
    using Exception::Exception;
};

/// True for a non-empty name without wildcards or characters that file names cannot hold.
bool IsUsableFileName(const QString& name);

/// Fired before and after a dialog: the name (in-out) and whether to go on (in-out).
using TExecOpenDialogEvent = std::function<void(QObject* sender, QString& name, bool& action)>;

class TsFileDirEdit : public TsCustomComboEdit {
    Q_OBJECT
public:
    explicit TsFileDirEdit(QWidget* parent = nullptr);

    bool AcceptFiles = false;
    TExecOpenDialogEvent OnBeforeDialog;
    TExecOpenDialogEvent OnAfterDialog;

    /// Takes one name dropped from the desktop.
    virtual void AddDroppedName(const QString& name) { (void)name; }
    /// Forgets the names of an earlier drop.
    virtual void ClearDroppedNames() {}
};

class TsFilenameEdit : public TsFileDirEdit {
    Q_OBJECT
public:
    explicit TsFilenameEdit(QWidget* parent = nullptr);

    QString Filter() const { return Dialog_.Filter; }
    void SetFilter(const QString& value) { Dialog_.Filter = value; }
    int FilterIndex() const { return Dialog_.FilterIndex; }
    void SetFilterIndex(int value) { Dialog_.FilterIndex = value; }
    QString DefaultExt() const { return Dialog_.DefaultExt; }
    void SetDefaultExt(const QString& value) { Dialog_.DefaultExt = value; }
    QString InitialDir() const { return Dialog_.InitialDir; }
    void SetInitialDir(const QString& value) { Dialog_.InitialDir = value; }
    TOpenOptions DialogOptions() const { return Dialog_.Options; }
    void SetDialogOptions(TOpenOptions value);
    QString FileName() const { return Text(); }
    /// Throws EComboEditError "Invalid file name" for a non-empty name IsUsableFileName refuses.
    void SetFileName(const QString& value);
    /// Several names may be chosen or dropped at once.
    bool MultipleNames() const { return (Dialog_.Options & ofAllowMultiSelect) != 0; }
    /// The names of the last multiple drop, in order.
    const QStringList& Files() const { return Files_; }

    void AddDroppedName(const QString& name) override;
    void ClearDroppedNames() override { Files_.clear(); }

    /// The dialog's settings as the next press would use them.
    TOpenDialogSettings DialogSettings() const;

    void BrowseButtonPressed() override;

private:
    TOpenDialogSettings Dialog_;
    QStringList Files_;
};

enum TSelectDirOpt : unsigned { sdAllowCreate = 1, sdPerformCreate = 2, sdPrompt = 4 };

class TsDirectoryEdit : public TsFileDirEdit {
    Q_OBJECT
public:
    explicit TsDirectoryEdit(QWidget* parent = nullptr);

    QString InitialDir;
    unsigned DialogOptions = sdAllowCreate | sdPerformCreate | sdPrompt;
    QString DialogText;
    bool MultipleDirs = false;
    bool NoChangeDir = false;
    QString Root = QStringLiteral("rfDesktop");
    bool ShowRootBtns = false;

    void BrowseButtonPressed() override;
};
