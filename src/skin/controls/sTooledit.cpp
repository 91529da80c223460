// Edits with a browse button.
#include "sTooledit.h"

#include <cerrno>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "EditGlyphs.h"
#include "skin/binding/ControlKinds.h"
#include "core/OsError.h"
#include "platform/Application.h"
#include "platform/Directories.h"
#include "platform/Shortcuts.h"
#include "skin/manager/SkinCommands.h"

namespace {
/// The local files of a drag, in order; empty when it carries none.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList names;
    if (data == nullptr || !data->hasUrls()) return names;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) names << QDir::toNativeSeparators(url.toLocalFile());
    return names;
}
}  // namespace

TsCustomComboEdit::TsCustomComboEdit(QWidget* parent, int defaultGlyphIndex)
    : TsEdit(parent), Button_(new TsEditButton(this, GlyphMode, defaultGlyphIndex)) {
    SkinData.ControlKind = ckCustomComboEdit;
    connect(Button_, &QToolButton::clicked, this, [this] {
        if (ReadOnly()) return;
        TApplication::Guarded([this] { BrowseButtonPressed(); });
    });
    connect(&GlyphMode, &TsGlyphMode::LayoutChanged, this, &TsCustomComboEdit::LayoutButton);
    connect(&GlyphMode, &TsGlyphMode::LookChanged, this, [this] {
        Button_->setToolTip(GlyphMode.Hint());
        Button_->SkinData.Invalidate();
    });
    resize(width(), 21);
    LayoutButton();
}

void TsCustomComboEdit::SetShowButton(bool value) {
    ShowButton_ = value;
    LayoutButton();
}

void TsCustomComboEdit::LayoutButton() {
    Button_->setVisible(ShowButton_);
    const int cellWidth = GlyphCellWidth(GlyphMode);
    Button_->resize(ShowButton_ ? cellWidth + 2 : 0, Button_->height());
    const TsGlyphImages* images = GlyphMode.Images();
    const bool ownImages = images != nullptr && GlyphMode.ImageIndex() >= 0 && GlyphMode.ImageIndex() < images->Count();
    Button_->NumGlyphs = ownImages ? 1 : EditGlyphs().CellCount();
    UpdateTextRect();
    Button_->SkinData.Invalidate();
}

void TsCustomComboEdit::SetDirectInput(bool value) {
    DirectInput_ = value;
    // Without direct input the text is changed only through the button.
    setReadOnly(ReadOnly_ || !DirectInput_);
}

void TsCustomComboEdit::SetReadOnly(bool value) {
    ReadOnly_ = value;
    setReadOnly(ReadOnly_ || !DirectInput_);
}

int TsCustomComboEdit::ButtonWidth() const { return ShowButton_ ? Button_->width() : 0; }

void TsCustomComboEdit::UpdateTextRect() {
    const int b = BorderWidth();
    setTextMargins(b, b, b + ButtonWidth(), b);
    Button_->setGeometry(width() - b - ButtonWidth(), b, ButtonWidth(), height() - 2 * b);
}

bool TsCustomComboEdit::event(QEvent* event) {
    // The button lies on the edit's plain colour, never on its picture, so it paints whether or not
    // the edit's picture is up to date; only painting held off holds it.
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event); command != nullptr && command->Command() == AC_ISSUSPENDED) {
        command->Result = SkinData.PaintingSuspended ? 1 : 0;
        return true;
    }
    return TsEdit::event(event);
}

void TsCustomComboEdit::resizeEvent(QResizeEvent* event) {
    TsEdit::resizeEvent(event);
    UpdateTextRect();
}

void TsCustomComboEdit::keyPressEvent(QKeyEvent* event) {
    // The click key works with the button hidden too, as long as a glyph cell has a width.
    if (ShortcutOf(*event) == ClickKey && GlyphCellWidth(GlyphMode) > 0) {
        if (!ReadOnly()) TApplication::Guarded([this] { BrowseButtonPressed(); });
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        // The form's default and cancel buttons hear Enter and Escape first; the edit inserts nothing
        // and the key goes no further, so that no button is pressed twice.
        if (QWidget* form = window(); form != nullptr && form != this) {
            QKeyEvent offered(event->type(), key, event->modifiers(), event->text(), event->isAutoRepeat());
            QCoreApplication::sendEvent(form, &offered);
        }
        event->accept();
        return;
    }
    TsEdit::keyPressEvent(event);
}

void TsCustomComboEdit::focusInEvent(QFocusEvent* event) {
    TsEdit::focusInEvent(event);
    if (AutoSelect && !text().isEmpty()) QTimer::singleShot(0, this, [this] { selectAll(); });
}

void TsCustomComboEdit::changeEvent(QEvent* event) {
    TsEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateTextRect();
}

void TsCustomComboEdit::BrowseButtonPressed() { FireEvent(OnButtonClick, this); }

TsFileDirEdit::TsFileDirEdit(QWidget* parent, int defaultGlyphIndex) : TsCustomComboEdit(parent, defaultGlyphIndex) {
    SkinData.ControlKind = ckFileDirEdit;
    SetMaxLength(255);
}

void TsFileDirEdit::SetAcceptFiles(bool value) {
    AcceptFiles_ = value;
    // Text drags stay the edit's own business either way.
    if (value) setAcceptDrops(true);
}

void TsFileDirEdit::DropNames(const QStringList& names) {
    if (names.isEmpty()) return;
    ClearDroppedNames();
    for (const QString& name : names) {
        if (!TApplication::Guarded([&] { AddDroppedName(name); })) return;
        if (!MultipleNames()) break;
    }
    FireEvent(OnDropFiles, this);
}

void TsFileDirEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (AcceptFiles_ && !DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        TsCustomComboEdit::dragEnterEvent(event);
}

void TsFileDirEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (AcceptFiles_ && !DroppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        TsCustomComboEdit::dragMoveEvent(event);
}

void TsFileDirEdit::dropEvent(QDropEvent* event) {
    const QStringList names = DroppedFiles(event->mimeData());
    if (!AcceptFiles_ || names.isEmpty()) {
        TsCustomComboEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    DropNames(names);
}

TsFilenameEdit::TsFilenameEdit(QWidget* parent) : TsFileDirEdit(parent, 0) {
    SkinData.ControlKind = ckFilenameEdit;
    Dialog_.Filter = QStringLiteral("All files (*.*)|*.*");
}

void TsFilenameEdit::SetDialogOptions(TOpenOptions value) {
    if (value == Dialog_.Options) return;
    Dialog_.Options = value;
    if (!MultipleNames()) ClearDroppedNames();
}

void TsFilenameEdit::SetFileName(const QString& value) {
    if (!value.isEmpty() && !IsUsableFileName(value)) throw EComboEditError("Invalid file name");
    SetText(value);
    ClearDroppedNames();
}

void TsFilenameEdit::AddDroppedName(const QString& name) {
    if (!MultipleNames()) {
        SetFileName(name);
        return;
    }
    if (Files_.isEmpty()) SetFileName(name);
    Files_ << name;
}

void TsFilenameEdit::BrowseButtonPressed() {
    // A failing handler ends the press there.
    if (!FireEvent(OnButtonClick, this)) return;
    QString name = Text();
    bool action = true;
    if (!FireEvent(OnBeforeDialog, this, name, action) || !action) return;
    // The dialog keeps its name and folder between presses unless the text gives usable ones.
    TakeTypedName(Dialog_, name);
    QString chosen;
    action = RunOpenDialog(window(), Dialog_, chosen);
    if (action) {
        // Several chosen names come one a line; the first is the edit's.
        const QStringList names = chosen.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (MultipleNames()) Files_ = names;
        Dialog_.FileName = names.value(0);
        name = Dialog_.FileName;
    }
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible()) setFocus();
    if (!FireEvent(OnAfterDialog, this, name, action) || !action) return;
    SetText(name);
    Dialog_.InitialDir = FolderPartOf(Dialog_.FileName);
}

TsDirectoryEdit::TsDirectoryEdit(QWidget* parent) : TsFileDirEdit(parent, 1) { SkinData.ControlKind = ckDirectoryEdit; }

void TsDirectoryEdit::AddDroppedName(const QString& name) {
    const QString folder = DroppedFolderOf(name);
    SetText(MultipleDirs && !Text().isEmpty() ? Text() + QLatin1Char(';') + folder : folder);
}

void TsDirectoryEdit::BrowseButtonPressed() {
    if (!FireEvent(OnButtonClick, this)) return;
    QString name = Text();
    bool action = true;
    if (!FireEvent(OnBeforeDialog, this, name, action) || !action) return;
    if (name.isEmpty()) name = InitialDir;
    // Only an existing folder is offered to the dialog; it also becomes the current directory.
    if (!QFileInfo(name).isDir()) {
        name.clear();
    } else if (!NoChangeDir && !SetCurrentDirectoryW(name)) {
        const int code = OsErrorCode(errno);
        throw EInOutError(code, InOutErrorMessage(code, name.toStdString()));
    }
    TFolderDialogRequest request;
    request.Root = Root;
    request.Text = DialogText;
    request.SelectedPath = name;
    request.AllowCreate = (DialogOptions & sdAllowCreate) != 0;
    request.ShowRootButtons = ShowRootBtns;
    QString chosen;
    if (RunFolderDialog(window(), request, chosen)) {
        name = chosen;
        if (DirectoryExists(name)) {
            InitialDir = name;
            SetText(name);
        }
    }
    FireEvent(OnAfterDialog, this, name, action);
}
