// TsSkinManager: skin sources, change, load, apply, remove, refresh and the broadcast.
#include "sSkinManager.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "core/FileStreams.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/MessageBoxes.h"
#include "platform/UpwardHooks.h"
#include "skin/manager/SkinCommands.h"
#include "platform/WindowHook.h"
#include "skin/model/SkinFiles.h"
#include "skin/manager/SkinDirectories.h"
#include "skin/manager/SkinEditorLink.h"

namespace {
TsSkinManager* Default = nullptr;
bool LoadingSkin = false;
bool NewStyle = true;
TsSkinManager::ChildFilter Filter;
TsSkinManager::MessageHook Messages;

std::vector<std::string> ToStdLines(const QStringList& lines) {
    std::vector<std::string> result;
    for (const QString& line : lines) result.push_back(line.toStdString());
    return result;
}

bool FolderHasOptions(const std::string& folder) {
    return !FindFileIgnoringCase(folder + "\\Options.dat").empty();
}

// Flag that controls do not repaint while set; cleared however the load ends.
struct LoadingFlag {
    LoadingFlag() { LoadingSkin = true; }
    ~LoadingFlag() { LoadingSkin = false; }
};

void StopGlows() {
    if (const auto stop = InstalledHooks<TsSkinManager::EffectsHooks>().StopGlows) stop();
}
}  // namespace

TsSkinManager::TsSkinManager(QObject* owner) : QObject(owner), Model_(std::make_unique<SkinModel>()) {
    setObjectName(QStringLiteral("sSkinManager1"));
    if (Default == nullptr) Default = this;
    // The first manager watches the application object for the repaint request.
    if (Default == this && QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->installEventFilter(this);
}

bool TsSkinManager::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == kRepaintRequest) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<TForm*>(window) != nullptr)
                SendSkinCommand(window, MakeNimbrelParam(AC_REPAINT), this);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

TsSkinManager::~TsSkinManager() {
    Destroying_ = true;
    SetActive(false);
    UninstallHook();
    if (Default == this) Default = nullptr;
}

TsSkinManager* TsSkinManager::DefaultManager() { return Default; }
bool TsSkinManager::SkinLoading() { return LoadingSkin; }
bool TsSkinManager::NewStyleDialogs() { return NewStyle; }
void TsSkinManager::SetChildFilter(ChildFilter filter) { Filter = std::move(filter); }
void TsSkinManager::SetMessageHook(MessageHook hook) { Messages = std::move(hook); }

std::vector<QPointer<QWidget>>& TsSkinManager::ProviderForms() {
    static std::vector<QPointer<QWidget>> forms;
    return forms;
}

std::vector<QPointer<QWidget>>& TsSkinManager::HookedWindows() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

void TsSkinManager::ShowMessage(const QString& text, bool error) {
    if (Messages) {
        Messages(text);
        return;
    }
    MessageBoxW(nullptr, text, ApplicationTitle(), MB_OK | (error ? MB_ICONERROR : 0));
}

// --- Form data ------------------------------------------------------------------------------------

void TsSkinManager::BeginLoading() { Loading_ = true; }

void TsSkinManager::Loaded() {
    Loading_ = false;
    if (SkinDirectory_.isEmpty()) SkinDirectory_ = QStringLiteral("c:\\Skins");
    if (MenuSupport.IcoLineSkin.isEmpty()) MenuSupport.IcoLineSkin = QStringLiteral("ICOLINE");
    for (int i = 0; i < ThirdPartyList::Count; ++i) {
        if (ThirdParty.Lists[i].isEmpty()) ThirdParty.Lists[i] = i == 1 ? QStringLiteral("TButton") : QStringLiteral(" ");
        ThirdLists_[i] = ThirdParty.Lists[i].split(QLatin1Char('\n'));
    }
    if (Active_ && !SkinName_.isEmpty()) ApplyNewSkin(false);
    UpdateDialogStyle();
}

// --- Properties -----------------------------------------------------------------------------------

bool TsSkinManager::IsDefault() const { return Default == this; }

void TsSkinManager::SetActive(bool value) {
    if (value == Active_) return;
    Active_ = value;
    if (value) {
        ChangeSkin(SkinName_);
    } else {
        if (!Loading_) RemoveSkin();
        Model_->UpdateWellKnownIndexes();
        UpdateDialogStyle();
    }
}

void TsSkinManager::SetCommonSections(const QStringList& lines) {
    CommonSections_.clear();
    for (QString line : lines) {
        if (!line.startsWith(QLatin1Char(';'))) line.remove(QLatin1Char(' '));
        CommonSections_ << line;
    }
    SetSkinName(SkinName_);
}

void TsSkinManager::ReloadAfterChange() {
    if (!Active_ || !Model_->SkinData.Active) return;
    if (!Loading_ && !EditorMessage_) CoverForms();
    LoadSkin();
    if (!Loading_ && !EditorMessage_) RefreshSkin(true);
    Covers_.clear();
}

void TsSkinManager::SetSaturation(int value) {
    if (value == Saturation_) return;
    Saturation_ = value;
    ReloadAfterChange();
}

void TsSkinManager::SetHueOffset(int value) {
    if (value == HueOffset_) return;
    HueOffset_ = value;
    ReloadAfterChange();
}

void TsSkinManager::SetExtendedBorders(bool value) {
    if (value == ExtendedBorders_) return;
    ExtendedBorders_ = value;
    if (Active_ && Model_->SkinData.Active) UpdateShadowTemplates();
    ReloadAfterChange();
}

void TsSkinManager::SetSkinDirectory(const QString& value) {
    if (value == SkinDirectory_) return;
    SkinDirectory_ = value;
    Model_->SkinData.SkinPath = ResolveSkinDirectory();
}

void TsSkinManager::SetSkinName(const QString& value) {
    const QString previous = SkinName_;
    SkinName_ = value;
    if (Active_) ChangeSkin(previous);
    UpdateDialogStyle();
}

void TsSkinManager::SetSkinningRules(TsSkinningRules rules) {
    SkinningRules_ = rules;
    UpdateDialogStyle();
}

QString TsSkinManager::SkinInfo() const {
    if (!Active_ || !Model_->SkinData.Active) return QStringLiteral("N/A");
    return QString::number(Model_->SkinData.Version, 'g', 15);
}

void TsSkinManager::UpdateDialogStyle() {
    if (Default != this) return;
    NewStyle = !((SkinningRules_ & srStdDialogs) && Active_);
    SetClassicDialogs(!NewStyle);
}

// --- Where a skin comes from -------------------------------------------------------------------------

std::string TsSkinManager::ResolveSkinDirectory() const {
    return ResolveSkinDirectoryFor(SkinDirectory_.toStdString(), ProgramFolder());
}

TsSkinManager::SkinSource TsSkinManager::FindSource() {
    SkinSource source;
    const std::string name = SkinName_.toStdString();
    const std::string package = FindFileIgnoringCase(PackageFileFor(SkinDirectory_.toStdString(), name));
    const bool folderInDirectory =
        QFileInfo(QString::fromStdString(NativeSkinPath(SkinDirectory_.toStdString() + "\\" + name))).isDir();
    if (!package.empty() && (!EditorLink_ || !folderInDirectory)) {
        source.Kind = Source::Package;
        source.Path = package;
        return source;
    }
    if (EditorOptions_) {
        source.Kind = Source::Editor;
        return source;
    }
    const std::string folder = ResolveSkinDirectory() + "\\" + name;
    if (FolderHasOptions(folder)) {
        source.Kind = Source::Folder;
        source.Path = folder;
        return source;
    }
    for (size_t i = 0; i < InternalSkins_.size(); ++i)
        if (InternalSkins_[i].Name == SkinName_) {
            source.Kind = Source::Internal;
            source.InternalIndex = static_cast<int>(i);
            return source;
        }
    if (!InternalSkins_.empty()) {
        SkinName_ = InternalSkins_.front().Name;
        source.Kind = Source::Internal;
        source.InternalIndex = 0;
    }
    return source;
}

SkinLoadSettings TsSkinManager::LoadSettings() const {
    SkinLoadSettings settings;
    settings.HueOffset = HueOffset_;
    settings.Saturation = Saturation_;
    settings.CommonSections = ToStdLines(CommonSections_);
    settings.OwnerManager = this;
    return settings;
}

void TsSkinManager::LoadSkin() {
    if (!Active_) return;
    LoadingFlag flag;
    const SkinSource source = FindSource();
    if (source.Kind == Source::None) {
        // Nothing to load from: the manager switches itself off.
        Active_ = false;
        return;
    }
    // Each load starts from an empty model; a failed load leaves what it got to.
    Model_ = std::make_unique<SkinModel>();
    const SkinLoadSettings settings = LoadSettings();
    const std::string resolved = ResolveSkinDirectory();
    switch (source.Kind) {
        case Source::Package: {
            FromPackage_ = true;
            const std::vector<uint8_t> bytes = ReadWholeFile(source.Path);
            Model_->LoadFromPackage(bytes, resolved + "\\", settings);
            break;
        }
        case Source::Editor: {
            FromPackage_ = false;
            const SkinOptions options = SkinOptions::FromText(*EditorOptions_);
            Model_->Load(&options, nullptr, resolved + "\\" + SkinName_.toStdString() + "\\", settings);
            break;
        }
        case Source::Folder:
            FromPackage_ = false;
            Model_->LoadFromFolder(NativeSkinPath(source.Path), settings);
            break;
        case Source::Internal: {
            const QByteArray& data = InternalSkins_[static_cast<size_t>(source.InternalIndex)].Data;
            FromPackage_ = !data.isEmpty();
            if (data.isEmpty()) {
                Model_->Load(nullptr, nullptr, std::string(), settings);
            } else {
                // The stored bytes are read in place, not copied.
                const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
                Model_->LoadFromPackage(std::span<const uint8_t>(bytes, static_cast<size_t>(data.size())),
                                        std::string(), settings);
            }
            break;
        }
        case Source::None: break;
    }
    UpdateShadowTemplates();
    if (Model_->SkinData.Version > 7.99) {
        ShowMessage(QStringLiteral("This version of the skin have not complete support by used Nimbrel "
                                   "package release.\r\nComponents must be updated up to latest version "
                                   "for using this skin."),
                    false);
    }
}

void TsSkinManager::ChangeSkin(const QString& oldName) {
    if (OnBeforeChange) OnBeforeChange(this);
    if (!Loading_ && !EditorMessage_) CoverForms();
    {
        LoadingFlag flag;
        Model_->SkinData.Active = false;
        try {
            LoadSkin();
        } catch (const std::exception& error) {
            SkinName_ = oldName;
            ShowMessage(QString::fromUtf8(error.what()), true);
        }
    }
    if (!Active_) {
        RemoveSkin();
    } else if (!EditorMessage_) {
        ApplyNewSkin(true);
    }
    Covers_.clear();
    if (OnAfterChange) OnAfterChange(this);
}

// --- Apply, remove, refresh -----------------------------------------------------------------------

void TsSkinManager::ApplyNewSkin(bool animate) {
    if (Loading_) return;
    StopGlows();
    // The forms stay frozen over the new-skin announcement and the refresh after it.
    const std::vector<FrozenForm> frozen = animate ? FreezeForms() : std::vector<FrozenForm>();
    Model_->SkinData.Active = false;
    Model_->UpdateWellKnownIndexes();
    BroadcastCommand(MakeNimbrelParam(AC_SETNEWSKIN));
    Model_->SkinData.Active = true;
    if (Default == this && !HookInstalled_) InstallHook();
    if (animate) {
        RefreshSkin(false);
        ReleaseForms(frozen);
    }
}

void TsSkinManager::RemoveSkin() {
    Removing_ = true;
    StopGlows();
    UninstallHook();
    Model_->SkinData.Active = false;
    BroadcastCommand(MakeNimbrelParam(AC_REMOVESKIN));
    Model_->FreeMasks();
    Model_->FreePatterns();
    Model_->Sections.clear();
    Shadows_ = ShadowTemplates();
    Removing_ = false;
}

void TsSkinManager::InstallHook() {
    HookInstalled_ = true;
    // What the hook does with the windows it sees is the frames' business.
    if (const auto install = InstalledHooks<WindowHookHandlers>().Install)
        install();
    else
        TWindowHook::Install([](const THookMessage&) {});
}

void TsSkinManager::UninstallHook() {
    if (!HookInstalled_) return;
    HookInstalled_ = false;
    if (const auto remove = InstalledHooks<WindowHookHandlers>().Remove)
        remove();
    else
        TWindowHook::Remove();
    HookedWindows().clear();
}

// --- Broadcast -------------------------------------------------------------------------------------

void TsSkinManager::SendToControls(QWidget* container, uint32_t wParam) {
    const QObjectList children = container->children();
    for (QObject* object : children) {
        if (!object->isWidgetType()) continue;
        auto* child = static_cast<QWidget*>(object);
        if (child->isWindow()) continue;  // pop-ups and owned windows are not controls of the form
        if (AnswersSkinCommands(child)) {
            SendSkinCommand(child, wParam, this);
        } else if (!Filter || Filter(child)) {
            SendToControls(child, wParam);
        }
    }
}

void TsSkinManager::BroadcastCommand(uint32_t wParam) {
    if (TApplication* app = TApplication::Instance()) {
        const std::vector<TForm*> forms = app->Forms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
            QPointer<TForm> form(*it);
            if (!form || AnswersSkinCommands(form)) continue;
            SendSkinCommand(form, wParam, this);
            if (form) SendToControls(form, wParam);
        }
    }
    const std::vector<QPointer<QWidget>> providers = ProviderForms();
    for (const auto& form : providers) {
        if (!form) continue;
        SendSkinCommand(form, wParam, this);
        if (form) SendToControls(form, wParam);
    }
    const std::vector<QPointer<QWidget>> hooked = HookedWindows();
    for (const auto& window : hooked)
        if (window && window->isVisible()) SendSkinCommand(window, wParam, this);
}

// --- Lists and the active control -------------------------------------------------------------------

QString TsSkinManager::ListSkins(QStringList& list, TsSkinListKind kind) const {
    list.clear();
    QString first;
    auto add = [&](const QString& name) {
        if (first.isEmpty() && list.isEmpty()) first = name;
        list << name;
    };
    for (const TsStoredSkin& skin : InternalSkins_) add(skin.Name);
    const QDir dir(QString::fromStdString(NativeSkinPath(ResolveSkinDirectory())));
    if (dir.exists()) {
        const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries) {
            if (entry.fileName().startsWith(QLatin1Char('.'))) continue;
            if (entry.isDir()) {
                if (kind != slPacked && FolderHasOptions(entry.filePath().toStdString())) add(entry.fileName());
            } else if (kind != slUnpacked && entry.suffix().compare(QStringLiteral("qrv"), Qt::CaseInsensitive) == 0) {
                add(entry.fileName().section(QLatin1Char('.'), 0, 0));
            }
        }
    }
    list.sort();
    return first;
}

void TsSkinManager::SetActiveControl(QWidget* control) {
    if (control == ActiveControl_) return;
    QPointer<QWidget> old = ActiveControl_;
    ActiveControl_ = control;
    if (old) SendSkinCommand(old, MakeNimbrelParam(AC_MOUSELEAVE_ACTIVE), this);
    if (control) SendSkinCommand(control, MakeNimbrelParam(AC_MOUSEENTER_ACTIVE), this);
}

// --- The skin editor's block -------------------------------------------------------------------------

int TsSkinManager::ReceiveEditorBlock(std::span<const uint8_t> block) {
    if (HandlingBlock_) return 0;
    const std::optional<EditorSkinBlock> parsed = ParseEditorBlock(block);
    if (!parsed) return 0;
    HandlingBlock_ = true;
    EditorLink_ = true;
    EditorMessage_ = true;
    EditorOptions_ = std::make_unique<std::string>(parsed->Options.toStdString());
    SkinDirectory_ = parsed->Directory;
    SetSkinName(parsed->Name);
    EditorMessage_ = false;
    const bool animation = AnimEffects.SkinChanging.Active;
    AnimEffects.SkinChanging.Active = false;
    ApplyNewSkin(true);
    AnimEffects.SkinChanging.Active = animation;
    EditorOptions_.reset();
    HandlingBlock_ = false;
    return 1;
}

// --- The version switch -----------------------------------------------------------------------------

bool ShowVersionIfAsked(const QStringList& arguments) {
    static bool shown = false;
    if (shown) return false;
    for (const QString& argument : arguments) {
        if (argument.toLower() != QStringLiteral("/nbver")) continue;
        shown = true;
        if (Messages)
            Messages(QStringLiteral("Nimbrel v7.2"));
        else
            MessageBoxW(nullptr, QStringLiteral("Nimbrel v7.2"), ApplicationTitle(), MB_OK);
        return true;
    }
    return false;
}
