// Edits with a browse button.
#include "sTooledit.h"

#include <cerrno>

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>

#include "binding/ControlKinds.h"
#include "core/OsError.h"
#include "platform/Application.h"
#include "platform/Directories.h"

namespace {
constexpr int kButtonWidth = 21;

int ShortcutOf(const QKeyEvent* event) {
    int key = 0;
    switch (event->key()) {
        case Qt::Key_Down: key = 0x28; break;
        case Qt::Key_Up: key = 0x26; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: key = 0x0D; break;
        case Qt::Key_F4: key = 0x73; break;
        default: return -1;
    }
    if (event->modifiers() & Qt::ShiftModifier) key |= 0x2000;
    if (event->modifiers() & Qt::ControlModifier) key |= 0x4000;
    if (event->modifiers() & Qt::AltModifier) key |= 0x8000;
    return key;
}
}  // namespace

TsCustomComboEdit::TsCustomComboEdit(QWidget* parent) : TsEdit(parent), Button_(new QToolButton(this)) {
    SkinData.ControlKind = ckCustomComboEdit;
    Button_->setObjectName(QStringLiteral("Button"));
    Button_->setText(QStringLiteral("..."));
    Button_->setCursor(Qt::ArrowCursor);
    Button_->setFocusPolicy(Qt::NoFocus);
    connect(Button_, &QToolButton::clicked, this, [this] {
        if (ReadOnly()) return;
        TApplication::Guarded([this] { BrowseButtonPressed(); });
    });
    resize(width(), 21);
    UpdateTextRect();
}

void TsCustomComboEdit::SetShowButton(bool value) {
    ShowButton_ = value;
    Button_->setVisible(value);
    UpdateTextRect();
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

int TsCustomComboEdit::ButtonWidth() const { return ShowButton_ ? kButtonWidth : 0; }

void TsCustomComboEdit::UpdateTextRect() {
    const int b = BorderWidth();
    setTextMargins(b, b, b + ButtonWidth(), b);
    Button_->setGeometry(width() - b - kButtonWidth, b, kButtonWidth, height() - 2 * b);
}

void TsCustomComboEdit::resizeEvent(QResizeEvent* event) {
    TsEdit::resizeEvent(event);
    UpdateTextRect();
}

void TsCustomComboEdit::keyPressEvent(QKeyEvent* event) {
    if (ShowButton_ && ShortcutOf(event) == ClickKey) {
        Button_->click();
        return;
    }
    TsEdit::keyPressEvent(event);
}

void TsCustomComboEdit::focusInEvent(QFocusEvent* event) {
    TsEdit::focusInEvent(event);
    if (AutoSelect) QTimer::singleShot(0, this, [this] { selectAll(); });
}

void TsCustomComboEdit::BrowseButtonPressed() { FireEvent(OnButtonClick, this); }

bool IsUsableFileName(const QString& name) {
    if (name.isEmpty()) return false;
    // The slash separates folders here, so it stays allowed where it is the platform's separator.
    const QString forbidden = QDir::separator() == QLatin1Char('/') ? QStringLiteral("<>\"|*?")
                                                                    : QStringLiteral("<>\"|*?/");
    for (const QChar c : name)
        if (forbidden.contains(c)) return false;
    return true;
}

TsFileDirEdit::TsFileDirEdit(QWidget* parent) : TsCustomComboEdit(parent) {
    SkinData.ControlKind = ckFileDirEdit;
    SetMaxLength(255);
}

TsFilenameEdit::TsFilenameEdit(QWidget* parent) : TsFileDirEdit(parent) {
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

TOpenDialogSettings TsFilenameEdit::DialogSettings() const {
    TOpenDialogSettings settings = Dialog_;
    settings.FileName = Text();
    return settings;
}

void TsFilenameEdit::BrowseButtonPressed() {
    // A failing handler ends the press there.
    if (!FireEvent(OnButtonClick, this)) return;
    QString name = Text();
    bool action = true;
    if (!FireEvent(OnBeforeDialog, this, name, action) || !action) return;
    TOpenDialogSettings settings = Dialog_;
    settings.FileName = name;
    action = RunOpenDialog(window(), settings, name);
    if (!FireEvent(OnAfterDialog, this, name, action) || !action) return;
    SetText(name);
    Dialog_.InitialDir = QFileInfo(name).path();
}

TsDirectoryEdit::TsDirectoryEdit(QWidget* parent) : TsFileDirEdit(parent) { SkinData.ControlKind = ckDirectoryEdit; }

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
