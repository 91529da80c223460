// TsColorDialogForm: the layout, the captions, the field picture, the size and the buttons.
#include "ColorDialogForm.h"

#include <algorithm>
#include <optional>

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "ColorDialogParts.h"
#include "ScreenColorPicker.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sColorsPanel.h"
#include "skin/controls/sCurrencyEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/controls/sSpeedButton.h"
#include "core/SystemColors.h"
#include "skin/frames/sSkinProvider.h"
#include "platform/Application.h"
#include "platform/EngineTexts.h"
#include "platform/SystemMetrics.h"
#include "sColorDialog.h"

namespace {
constexpr int kClientWidth = 532;
constexpr int kClientHeight = 385;
constexpr int kMinFormWidth = 235;
constexpr int kMaxFormWidth = 541;
// The form data give outer sizes for a client of 532 x 385 inside a frame of 541 x 416.
constexpr int kFrameWidth = kMaxFormWidth - kClientWidth;

const QStringList kMainColors = {
    "8080FF", "80FFFF", "80FF80", "80FF00", "FFFF80", "FF8000", "C080FF", "FF80FF",  //
    "0000FF", "00FFFF", "00FF80", "40FF00", "FFFF00", "C08000", "C08080", "FF00FF",  //
    "404080", "4080FF", "00FF00", "808000", "804000", "FF8080", "400080", "8000FF",  //
    "000080", "0080FF", "008000", "408000", "FF0000", "A00000", "800080", "FF0080",  //
    "000040", "004080", "004000", "004040", "800000", "400000", "400040", "800040",  //
    "000000", "008080", "408080", "808080", "808040", "C0C0C0", "400040", "FFFFFF",
};

template <class T>
T* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    T* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

TsLabel* PlaceLabel(QWidget* parent, const char* name, int left, int top, const QString& caption) {
    auto* label = Place<TsLabel>(parent, name, left, top, 0, 0);
    label->SetCaption(caption);
    return label;
}

TsCurrencyEdit* PlaceNumber(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* edit = Place<TsCurrencyEdit>(parent, name, left, top, width, height);
    edit->DecimalPlaces = 0;
    edit->SetDisplayFormat(QStringLiteral("0"));
    edit->SetAlignment(Qt::AlignLeft);
    return edit;
}

TsButton* PlaceButton(QWidget* parent, const char* name, int left, int top, int width, int height,
                      const QString& caption) {
    auto* button = Place<TsButton>(parent, name, left, top, width, height);
    button->SetCaption(caption);
    button->SetShowFocus(false);  // the dialog's buttons draw no focus rectangle
    return button;
}

// A bound label sits at the left of its control, centred on it.
void PlaceBoundLabel(TsLabel* label, const QWidget* control) {
    label->adjustSize();
    label->move(control->x() - label->width() - 4, control->y() + (control->height() - label->height()) / 2);
}

// The picker's glyph: a pipette drawn anew.
QImage PipetteGlyph() {
    QImage pixmap(18, 18, QImage::Format_ARGB32_Premultiplied);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(9, 9);
    painter.rotate(45);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(64, 64, 64));
    painter.drawRoundedRect(QRectF(-2.5, -9, 5, 6), 1.5, 1.5);  // the bulb
    painter.drawRect(QRectF(-3.5, -3, 7, 1.5));                 // the collar
    painter.setBrush(QColor(180, 220, 255));
    QPainterPath tube;
    tube.moveTo(-1.5, -1.5);
    tube.lineTo(1.5, -1.5);
    tube.lineTo(0.8, 7);
    tube.lineTo(0, 9);
    tube.lineTo(-0.8, 7);
    tube.closeSubpath();
    painter.drawPath(tube);
    painter.end();
    return pixmap;
}
}  // namespace

TsColorDialogForm::TsColorDialogForm(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("sColorDialogForm"));
    SetCaption(QStringLiteral("Color"));
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientSize(kClientWidth, kClientHeight);
    SetPosition(TPosition::poScreenCenter);
    setFont(FormFont("Tahoma", -11));
    // The frame is the skin's dialog look: caption centred, no icon, snapping to the screen's edges.
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetSkinSection(QStringLiteral("DIALOG"));
    sSkinProvider1->SetCaptionAlignment(TAlignment::taCenter);
    sSkinProvider1->SetShowAppIcon(false);
    sSkinProvider1->ScreenSnap = true;
    CreateControls();
    SetTabOrders();
    Client()->installEventFilter(this);
    // FormCreate.
    NextCustomSlot_ = 0;
    CreateExtBmp();
}

TsColorDialogForm::~TsColorDialogForm() = default;

void TsColorDialogForm::CreateControls() {
    QWidget* client = Client();
    sLabel1 = PlaceLabel(client, "sLabel1", 8, 8, QStringLiteral("Main palette :"));
    MainPal = Place<TsColorsPanel>(client, "MainPal", 1, 21, 223, 167);
    MainPal->SetColCount(8);
    MainPal->SetRowCount(6);
    MainPal->SetColors(kMainColors);
    sLabel2 = PlaceLabel(client, "sLabel2", 8, 192, QStringLiteral("Additional colors :"));
    AddPal = Place<TsColorsPanel>(client, "AddPal", 1, 205, 223, 59);
    AddPal->SetColCount(8);
    AddPal->SetRowCount(2);
    AddPal->SetColors(QStringList(16, QStringLiteral("FFFFFF")));
    sBitBtn4 = PlaceButton(client, "sBitBtn4", 8, 268, 209, 25, QStringLiteral("Define colors"));
    sBitBtn4->setEnabled(false);
    sSpeedButton1 = Place<TsSpeedButton>(client, "sSpeedButton1", 20, 308, 37, 33);
    sSpeedButton1->SetGlyph(PipetteGlyph());
    sEditHex = Place<TsMaskEdit>(client, "sEditHex", 142, 302, 70, 21);
    sEditHex->SetCharCase(TEditCharCase::ecUpperCase);
    sEditHex->SetEditMask(QStringLiteral("AAAAAA;1; "));
    sEditHex->SetMaxLength(6);
    sEditHex->SetText(QStringLiteral("      "));
    sEditDecimal = PlaceNumber(client, "sEditDecimal", 142, 323, 70, 19);
    sBitBtn1 = PlaceButton(client, "sBitBtn1", 7, 352, 69, 25, QStringLiteral("OK"));
    sBitBtn1->SetDefault(true);
    sBitBtn2 = PlaceButton(client, "sBitBtn2", 77, 352, 69, 25, QStringLiteral("Cancel"));
    sBitBtn2->SetCancel(true);
    sBitBtn2->ModalResult = mrCancel;
    sBitBtn5 = PlaceButton(client, "sBitBtn5", 147, 352, 69, 25, QStringLiteral("Help"));
    ColorPanel = Place<TColorAreaPanel>(client, "ColorPanel", 234, 8, 260, 260);
    GradPanel = Place<TColorAreaPanel>(client, "GradPanel", 502, 8, 20, 260);
    SelectedPanel = Place<TShape>(client, "SelectedPanel", 234, 276, 131, 69);
    sHEdit = PlaceNumber(client, "sHEdit", 394, 276, 33, 19);
    sSEdit = PlaceNumber(client, "sSEdit", 394, 300, 33, 19);
    sVEdit = PlaceNumber(client, "sVEdit", 394, 324, 33, 19);
    sLabel4 = PlaceLabel(client, "sLabel4", 430, 276, QStringLiteral("o"));
    sLabel5 = PlaceLabel(client, "sLabel5", 429, 304, QStringLiteral("%"));
    sLabel6 = PlaceLabel(client, "sLabel6", 429, 328, QStringLiteral("%"));
    sREdit = PlaceNumber(client, "sREdit", 494, 276, 33, 19);
    sGEdit = PlaceNumber(client, "sGEdit", 494, 300, 33, 19);
    sBEdit = PlaceNumber(client, "sBEdit", 494, 324, 33, 19);
    sBitBtn3 = PlaceButton(client, "sBitBtn3", 236, 352, 291, 25, QStringLiteral("Add to custom colors set"));

    HexLabel = PlaceLabel(client, "HexLabel", 0, 0, QStringLiteral("Hex - "));
    DecimalLabel = PlaceLabel(client, "DecimalLabel", 0, 0, QStringLiteral("Decimal - "));
    HLabel = PlaceLabel(client, "HLabel", 0, 0, QStringLiteral("H :"));
    SLabel = PlaceLabel(client, "SLabel", 0, 0, QStringLiteral("S :"));
    BLabel = PlaceLabel(client, "BLabel", 0, 0, QStringLiteral("B :"));
    RedLabel = PlaceLabel(client, "RedLabel", 0, 0, QStringLiteral("Red :"));
    GreenLabel = PlaceLabel(client, "GreenLabel", 0, 0, QStringLiteral("Green :"));
    BlueLabel = PlaceLabel(client, "BlueLabel", 0, 0, QStringLiteral("Blue :"));
    PlaceBoundLabel(HLabel, sHEdit);
    PlaceBoundLabel(SLabel, sSEdit);
    PlaceBoundLabel(BLabel, sVEdit);

    // Handlers named as in the form data.
    MainPal->OnChange = [this](QObject*) { MainPalChange(MainPal); };
    AddPal->OnChange = [this](QObject*) { MainPalChange(AddPal); };
    MainPal->OnDblClick = [this](QObject*) { sBitBtn1Click(); };
    AddPal->OnDblClick = [this](QObject*) { sBitBtn1Click(); };
    sEditHex->OnKeyPress = [this](QObject*, QChar& key) { sEditHexKeyPress(key); };
    sEditHex->OnChange = [this](QObject*) { sEditHexChange(); };
    sEditDecimal->OnChange = [this](QObject*) { sEditDecimalChange(); };
    for (TsCurrencyEdit* edit : {sHEdit, sSEdit, sVEdit}) edit->OnChange = [this](QObject*) { sHEditChange(); };
    for (TsCurrencyEdit* edit : {sREdit, sGEdit, sBEdit}) edit->OnChange = [this](QObject*) { sREditChange(); };
    sBitBtn1->OnClick = [this](QObject*) { sBitBtn1Click(); };
    sBitBtn2->OnClick = [this](QObject*) { sBitBtn2Click(); };
    sBitBtn3->OnClick = [this](QObject*) { sBitBtn3Click(); };
    sBitBtn4->OnClick = [this](QObject*) { sBitBtn4Click(); };
    sBitBtn5->OnClick = [this](QObject*) { sBitBtn5Click(); };
    connect(sSpeedButton1, &TsSpeedButton::clicked, this, [this] { sSpeedButton1Click(); });
    ColorPanel->OnPaint = [this](QPainter& painter) { ColorPanelPaint(painter); };
    ColorPanel->OnMouseDown = [this](QMouseEvent* e) { ColorPanelMouseDown(e->position().toPoint()); };
    ColorPanel->OnMouseMove = [this](QMouseEvent* e) { ColorPanelMouseMove(e->position().toPoint()); };
    ColorPanel->OnMouseUp = [this](QMouseEvent*) { ColorPanelMouseUp(); };
    GradPanel->OnPaint = [this](QPainter& painter) { GradPanelPaint(painter); };
    GradPanel->OnMouseDown = [this](QMouseEvent* e) { GradPanelMouseDown(e->position().toPoint()); };
    GradPanel->OnMouseMove = [this](QMouseEvent* e) { GradPanelMouseMove(e->position().toPoint()); };
    GradPanel->OnMouseUp = [this](QMouseEvent*) { GradPanelMouseUp(); };
    SetCaptions();
}

void TsColorDialogForm::SetTabOrders() {
    const std::vector<QWidget*> order = {sEditHex, sEditDecimal, sHEdit,   sSEdit,   sVEdit,  sREdit,
                                         sGEdit,   sBEdit,       sBitBtn1, sBitBtn2, sBitBtn5, sBitBtn3,
                                         sBitBtn4, MainPal,      AddPal,   ColorPanel, GradPanel};
    for (size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void TsColorDialogForm::SetCaptions() {
    SetCaption(LoadResString(s_Color));
    sBitBtn1->SetCaption(LoadResString(s_OK));
    sBitBtn2->SetCaption(LoadResString(s_Cancel));
    sBitBtn5->SetCaption(LoadResString(s_Help));
    sBitBtn3->SetCaption(LoadResString(s_AddToCustomColors));
    sBitBtn4->SetCaption(LoadResString(s_DefineColors));
    sLabel1->SetCaption(LoadResString(s_MainPalette));
    sLabel2->SetCaption(LoadResString(s_AdditionalColors));
    RedLabel->SetCaption(LoadResString(s_Red));
    GreenLabel->SetCaption(LoadResString(s_Green));
    BlueLabel->SetCaption(LoadResString(s_Blue));
    DecimalLabel->SetCaption(LoadResString(s_DecimalPrefix));
    HexLabel->SetCaption(LoadResString(s_HexPrefix));
    PlaceBoundLabel(RedLabel, sREdit);
    PlaceBoundLabel(GreenLabel, sGEdit);
    PlaceBoundLabel(BlueLabel, sBEdit);
    PlaceBoundLabel(DecimalLabel, sEditDecimal);
    PlaceBoundLabel(HexLabel, sEditHex);
}

void TsColorDialogForm::CreateExtBmp() {
    const int w = ColorPanel->width(), h = ColorPanel->height();
    FieldPicture_ = QImage(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(FieldPicture_.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const TColor c = ColorDialogMath::FieldColorAt(x, y, w, h);
            row[x] = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        }
    }
}

void TsColorDialogForm::SetFormWidth(int outerWidth) {
    const int width = std::clamp(outerWidth, kMinFormWidth, kMaxFormWidth);
    SetClientSize(width - kFrameWidth, kClientHeight);
}

int TsColorDialogForm::FormWidth() const { return ClientWidth() + kFrameWidth; }

void TsColorDialogForm::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (!Shown_) {
        Shown_ = true;
        FormShow();
    }
}

void TsColorDialogForm::FormShow() {
    SetCurrentColor(ColorToRGB(Dialog != nullptr ? Dialog->Color : SelectedPanel->BrushColor()));
    if (Dialog != nullptr) FireEvent(Dialog->OnShow, Dialog);
}

void TsColorDialogForm::sBitBtn1Click() { SetModalResult(mrOk); }

void TsColorDialogForm::sBitBtn2Click() { SetModalResult(mrCancel); }

void TsColorDialogForm::sBitBtn4Click() {
    SetFormWidth(kMaxFormWidth);
    sBitBtn4->setEnabled(false);
}

void TsColorDialogForm::sBitBtn5Click() {
    if (Dialog != nullptr) TsColorDialog::ShowHelp(Dialog->HelpContext);
}

void TsColorDialogForm::sSpeedButton1Click() {
    const QRect preview(SelectedPanel->mapToGlobal(QPoint(0, 0)), SelectedPanel->size());
    const std::optional<TColor> picked = PickScreenColor(this, preview, CurrentColor());
    if (picked) SetCurrentColor(*picked);
}
