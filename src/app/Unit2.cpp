// TForm2: layout, settings and the two button handlers.
#include "Unit2.h"

#include "AboutUnit.h"
#include "AppIcon.h"
#include "MapRunAdapters.h"
#include "WebAddresses.h"
#include "skin/binding/sCommonData.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sComboBoxes.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sProgressBar.h"
#include "skin/controls/sTooledit.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemMetrics.h"
#include "skin/resources/InternalSkins.h"
#include "skin/manager/sSkinManager.h"

namespace {
constexpr TColor kInputColor = 0xFFF8F0;
constexpr TColor kLabelColor = 0x212121;

template <class T>
T* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    T* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    control->setFont(FormFont("Tahoma", -11));
    return control;
}

TsLabel* PlaceLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                    const QString& caption) {
    TsLabel* label = Place<TsLabel>(parent, name, left, top, width, height);
    label->SetCaption(caption);
    label->SetFontColor(kLabelColor);
    return label;
}

template <class T>
void SetupFileDirEdit(T* edit) {
    edit->GlyphMode.SetBlend(0);
    edit->GlyphMode.SetGrayed(false);
    edit->SetMaxLength(255);
    edit->SetColor(kInputColor);
    edit->SetFontColor(clBlack);
}
}  // namespace

TForm2::TForm2(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("Form2"));
    SetCaption(QString::fromLatin1(kMainCaption));
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientSize(393, 195);
    SetPosition(TPosition::poDefault);
    setFont(FormFont("Tahoma", -11));
    SetColor(clBtnFace);
    setWindowIcon(ApplicationIcon());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(clWindowText));
    setPalette(pal);

    QWidget* client = Client();
    mapTitleEdit = Place<TsEdit>(client, "mapTitleEdit", 128, 10, 257, 21);
    mapTitleEdit->SetColor(kInputColor);
    mapTitleEdit->SetFontColor(clBlack);
    mapTitleEdit->SetMaxLength(0);

    bgColor = Place<TsColorBox>(client, "bgColor", 128, 34, 257, 22);
    bgColor->SetItemHeight(16);
    bgColor->SetStyle(cbStandardColors | cbExtendedColors | cbCustomColor | cbPrettyNames);
    bgColor->DefaultColorColor = clWhite;
    bgColor->ShowColorName = false;
    bgColor->SetColor(kInputColor);
    bgColor->SetFontColor(clBlack);
    bgColor->SetSelected(clWhite);

    blankimgEdit = Place<TsFilenameEdit>(client, "blankimgEdit", 129, 62, 257, 21);
    blankimgEdit->SetFilter(QStringLiteral("Картинка фона (.gif)|*.gif"));
    blankimgEdit->SetDefaultExt(QStringLiteral("gif"));
    blankimgEdit->SetDialogOptions(ofFileMustExist | ofEnableSizing);
    SetupFileDirEdit(blankimgEdit);

    imgEdit = Place<TsFilenameEdit>(client, "imgEdit", 129, 89, 257, 21);
    // The form's own entry stays first (and the default); every kind the program reads follows.
    imgEdit->SetFilter(QStringLiteral("Изображения карты (.jpg)|*.jpg"
                                      "|Все карты (*.jpg, *.png, *.tif, *.tiff, *.pdf, *.svg, *.svgz)"
                                      "|*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.pdf;*.svg;*.svgz"
                                      "|Карты JPEG (*.jpg, *.jpeg)|*.jpg;*.jpeg"
                                      "|Карты PNG (*.png)|*.png"
                                      "|Карты TIFF (*.tif, *.tiff)|*.tif;*.tiff"
                                      "|Карты PDF (*.pdf)|*.pdf"
                                      "|Карты SVG (*.svg, *.svgz)|*.svg;*.svgz"));
    imgEdit->SetDefaultExt(QStringLiteral("jpg"));
    imgEdit->SetDialogOptions(ofFileMustExist | ofEnableSizing);
    SetupFileDirEdit(imgEdit);

    pathEdit = Place<TsDirectoryEdit>(client, "pathEdit", 129, 116, 257, 21);
    pathEdit->Root = QStringLiteral("rfDesktop");
    SetupFileDirEdit(pathEdit);

    sButton1 = Place<TsButton>(client, "sButton1", 8, 143, 289, 25);
    sButton1->SetCaption(QStringLiteral("Подготовить файлы карты"));
    sButton1->OnClick = [this](QObject* sender) { sButton1Click(sender); };

    sButton2 = Place<TsButton>(client, "sButton2", 303, 143, 82, 25);
    sButton2->SetCaption(QStringLiteral("О программе"));
    sButton2->OnClick = [this](QObject* sender) { sButton2Click(sender); };

    Progress = Place<TsProgressBar>(client, "Progress", 8, 174, 377, 17);
    Progress->SetMin(0);
    Progress->SetMax(100);
    Progress->SetPosition(0);
    Progress->setFocusPolicy(Qt::NoFocus);

    sLabel3 = PlaceLabel(client, "sLabel3", 8, 13, 83, 13, QStringLiteral("Название карты"));
    sLabel5 = PlaceLabel(client, "sLabel5", 8, 38, 55, 13, QStringLiteral("Цвет фона"));
    sLabel4 = PlaceLabel(client, "sLabel4", 9, 65, 78, 13, QStringLiteral("Картинка фона"));
    sLabel1 = PlaceLabel(client, "sLabel1", 8, 92, 103, 13, QStringLiteral("Изображение карты"));
    sLabel2 = PlaceLabel(client, "sLabel2", 8, 119, 115, 13, QStringLiteral("Папка для сохранения"));

    setTabOrder(mapTitleEdit, bgColor);
    setTabOrder(bgColor, blankimgEdit);
    setTabOrder(blankimgEdit, imgEdit);
    setTabOrder(imgEdit, pathEdit);
    setTabOrder(pathEdit, sButton1);
    setTabOrder(sButton1, sButton2);
    // The first control in tab order gets the focus when the window is first activated.
    mapTitleEdit->setFocus();

    CreateSkinManager();
    // The end of the form data: every control's binding takes its section from the skin.
    FormLoaded(client);
}

TForm2::~TForm2() {
    // The manager goes first, while the controls it tells about the skin's removal still exist.
    delete sSkinManager1;
}

void TForm2::CreateSkinManager() {
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->setObjectName(QStringLiteral("sSkinManager1"));
    sSkinManager1->BeginLoading();
    sSkinManager1->SetHueOffset(390);
    TsStoredSkin glimmer;
    glimmer.Name = QString::fromLatin1(kGlimmerSkinName.data(), static_cast<qsizetype>(kGlimmerSkinName.size()));
    glimmer.Shadow1Color = clBlack;
    glimmer.Shadow1Offset = 0;
    glimmer.Shadow1Transparency = 0;
    const std::span<const uint8_t> package = InternalSkinPackage(kGlimmerSkinName);
    // The embedded bytes live as long as the program: borrowed, not copied.
    glimmer.Data = QByteArray::fromRawData(reinterpret_cast<const char*>(package.data()),
                                           static_cast<qsizetype>(package.size()));
    sSkinManager1->SetInternalSkins({glimmer});
    sSkinManager1->MenuSupport.IcoLineSkin = QStringLiteral("ICOLINE");
    sSkinManager1->MenuSupport.ExtraLineFont = FormFont("Tahoma", -11);
    sSkinManager1->MenuSupport.ExtraLineFontColor = clWindowText;
    sSkinManager1->SetSkinDirectory(QStringLiteral("c:\\Skins"));
    sSkinManager1->SetSkinName(glimmer.Name);
    sSkinManager1->SetSkinInfo(QStringLiteral("6.4"));
    for (int i = 0; i < ThirdPartyList::Count; ++i) sSkinManager1->ThirdParty.Lists[i] = QStringLiteral(" ");
    sSkinManager1->ThirdParty.ThirdButtons() = QStringLiteral("TButton");
    sSkinManager1->Loaded();
}

void TForm2::sButton1Click(QObject*) {
    if (Running_) return;
    Running_ = true;
    StopRequested_ = false;
    struct RunFlag {
        bool& Flag;
        ~RunFlag() { Flag = false; }
    } runFlag{Running_};
    TControlMapInputs inputs(*mapTitleEdit, *bgColor, *blankimgEdit, *imgEdit, *pathEdit);
    TProgressBarMapProgress progress(*Progress, [this] { return StopRequested_; });
    try {
        const MapPreparationSummary summary = PrepareMap(inputs, progress);
        if (summary.Result == MapPreparationResult::Completed)
            MessageBoxW(this, QStringLiteral("Подготовка карты завершена."), QStringLiteral("Done"),
                        MB_OK | MB_ICONINFORMATION);
    } catch (const EMapRunStopped&) {
        // The window was closed during the run: the files written so far stay, nothing is shown.
    }
}

void TForm2::sButton2Click(QObject*) {
    if (AboutForm != nullptr) AboutForm->ShowModal();
}

bool TForm2::CloseQuery() {
    if (Running_) StopRequested_ = true;
    return true;
}
