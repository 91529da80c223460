// Edits with a browse button: the base, the file-name edit and the folder-name edit.
#pragma once

#include <functional>

#include <QKeySequence>
#include <QStringList>

#include "FileEditRules.h"
#include "core/Exception.h"
#include "platform/Dialogs.h"
#include "sEdit.h"
#include "sEditButton.h"

/// An edit with a small button at its right end; the button's press runs BrowseButtonPressed.
class TsCustomComboEdit : public TsEdit {
    Q_OBJECT
public:
    /// defaultGlyphIndex: the shared glyph strip the button shows (-1: none).
    explicit TsCustomComboEdit(QWidget* parent = nullptr, int defaultGlyphIndex = -1);

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

    TsEditButton* Button() const { return Button_; }
    int ButtonWidth() const;
    /// Shows or hides the button and sizes it to a glyph cell and a pixel on each side.
    void LayoutButton();
    /// The text's right edge stops at the button, which stands inside the frame at the right end.
    void UpdateTextRect() override;

    /// The button's press: fires OnButtonClick; the edits with dialogs add their dialog.
    virtual void BrowseButtonPressed();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TsEditButton* Button_;
    bool ShowButton_ = true;
    bool DirectInput_ = true;
    bool ReadOnly_ = false;
};

/// A name given to a file edit that no dialog could take.
class EComboEditError : public Exception {
public:
    using Exception::Exception;
};

/// Fired before and after a dialog: the name (in-out) and whether to go on (in-out).
using TExecOpenDialogEvent = std::function<void(QObject* sender, QString& name, bool& action)>;

class TsFileDirEdit : public TsCustomComboEdit {
    Q_OBJECT
public:
    explicit TsFileDirEdit(QWidget* parent = nullptr) : TsFileDirEdit(parent, -1) {}

    /// Names dropped from the desktop are taken.
    bool AcceptFiles() const { return AcceptFiles_; }
    void SetAcceptFiles(bool value);
    TExecOpenDialogEvent OnBeforeDialog;
    TExecOpenDialogEvent OnAfterDialog;
    std::function<void(QObject*)> OnDropFiles;

    /// Several names may be chosen or dropped at once.
    virtual bool MultipleNames() const { return false; }
    /// A drop of names in order: the earlier drop forgotten, each name taken (only the first
    /// unless MultipleNames), then OnDropFiles.
    void DropNames(const QStringList& names);
    /// Takes one name dropped from the desktop.
    virtual void AddDroppedName(const QString& name) { (void)name; }
    /// Forgets the names of an earlier drop.
    virtual void ClearDroppedNames() {}

protected:
    TsFileDirEdit(QWidget* parent, int defaultGlyphIndex);
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool AcceptFiles_ = false;
};

class TsFilenameEdit : public TsFileDirEdit {
    Q_OBJECT
public:
    explicit TsFilenameEdit(QWidget* parent = nullptr);

    QString Filter() const { return Dialog_.Filter; }
    void SetFilter(const QString& value) { Dialog_.Filter = value; }
    int FilterIndex() const { return Dialog_.FilterIndex; }
    QString DefaultExt() const { return Dialog_.DefaultExt; }
    void SetDefaultExt(const QString& value) { Dialog_.DefaultExt = value; }
    QString InitialDir() const { return Dialog_.InitialDir; }
    TOpenOptions DialogOptions() const { return Dialog_.Options; }
    void SetDialogOptions(TOpenOptions value);
    QString FileName() const { return Text(); }
    /// Throws EComboEditError "Invalid file name" for a non-empty name IsUsableFileName refuses.
    void SetFileName(const QString& value);
    bool MultipleNames() const override { return (Dialog_.Options & ofAllowMultiSelect) != 0; }
    /// The names of the last multiple drop or choice, in order.
    const QStringList& Files() const { return Files_; }

    void AddDroppedName(const QString& name) override;
    void ClearDroppedNames() override { Files_.clear(); }


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

    bool MultipleNames() const override { return MultipleDirs; }
    /// An existing file stands for its folder; with MultipleDirs the folders are joined by ";".
    void AddDroppedName(const QString& name) override;
    void BrowseButtonPressed() override;
};
