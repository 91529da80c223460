// TsColorDialogForm: the current colour and its fields, the typed fields, the palettes and the custom slots.
#include "ColorDialogForm.h"

#include <algorithm>

#include "ColorDialogParts.h"
#include "skin/controls/sColorsPanel.h"
#include "skin/controls/sCurrencyEdit.h"
#include "skin/controls/sMaskEdit.h"
#include "core/Rounding.h"
#include "core/SystemColors.h"

using namespace ColorDialogMath;

namespace {
// Sets the flag for the lifetime of the guard and puts the old value back afterwards.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : Flag_(flag), Old_(flag) { flag = true; }
    ~FlagGuard() { Flag_ = Old_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& Flag_;
    bool Old_;
};
}  // namespace

TColor TsColorDialogForm::CurrentColor() const { return SelectedPanel->BrushColor(); }

TColor TsColorDialogForm::GradientColorAt(int row) const {
    return ColorDialogMath::GradientColorAt(BaseColor_, row, GradPanel->height());
}

int TsColorDialogForm::GetColorCoord(TColor color) const {
    return ColorDialogMath::GetColorCoord(BaseColor_, color, GradPanel->height());
}

void TsColorDialogForm::SetNumber(TsCurrencyEdit* edit, double value) { edit->SetValue(value); }

// The red, green, blue, decimal and hexadecimal fields from the colour, each unless it is being typed.
void TsColorDialogForm::SetFieldsFrom(TColor color) {
    if (!TypingRgb_) {
        SetNumber(sREdit, GetRValue(color));
        SetNumber(sGEdit, GetGValue(color));
        SetNumber(sBEdit, GetBValue(color));
    }
    if (!TypingDecimal_) SetNumber(sEditDecimal, static_cast<double>(color & 0xFFFFFF));
    if (!TypingHex_) sEditHex->SetText(HexTextOfColor(color));
}

void TsColorDialogForm::SetCurrentColor(TColor color) {
    const FlagGuard updating(Updating_);
    color = ColorToRGB(color) & 0xFFFFFF;
    SelectedPanel->SetBrushColor(color);
    if (!BarIsSource_) {
        Hsv_ = ColorToHsv(color);
        BaseColor_ = HsvToColor(1, Hsv_.S, Hsv_.H);
    }
    if (!TypingHsv_) {
        SetNumber(sHEdit, Hsv_.H);
        const int barHeight = GradPanel->height();
        if (BarIsSource_) {
            if (BarPosition_ < barHeight / 2)
                SetNumber(sSEdit, BarSaturationPercent(Hsv_.S, BarPosition_, barHeight));
            else
                SetNumber(sVEdit, BarValuePercent(BarPosition_, barHeight));
        } else {
            SetNumber(sSEdit, 100 * Hsv_.S);
            SetNumber(sVEdit, 100 * Hsv_.V);
        }
    }
    SetFieldsFrom(color);
    if (!BarIsSource_) {
        Marker_ = ColorDialogMath::FieldMarker(Hsv_.H, Hsv_.S, ColorPanel->width(), ColorPanel->height());
        ColorPanel->update();  // the marker moves with the colour, whoever set it
    }
    RefreshValueBar();
}

void TsColorDialogForm::SetHueSat(int h, double s) {
    const FlagGuard updating(Updating_);
    Hsv_.H = h;
    Hsv_.S = s;
    BaseColor_ = HsvToColor(1, s, h);
    SetNumber(sHEdit, h);
    SetNumber(sSEdit, 100 * s);
    SetNumber(sVEdit, BarValuePercent(BarPosition_, GradPanel->height()));
    GradPanel->update();
    const TColor color = GradientColorAt(BarPosition_);
    SetFieldsFrom(color);
    SelectedPanel->SetBrushColor(color);
    Marker_ = ColorDialogMath::FieldMarker(h, s, ColorPanel->width(), ColorPanel->height());
    SyncPaletteSelection();
}

void TsColorDialogForm::RefreshValueBar() {
    GradPanel->update();
    const int old = BarPosition_;
    BarPosition_ = GetColorCoord(CurrentColor());
    // The marker's old and new places in the strip right of the bar are redrawn.
    const QRect strip = BarStrip();
    Client()->update(strip.left(), GradPanel->y() + old - 5, strip.width(), 11);
    Client()->update(strip.left(), GradPanel->y() + BarPosition_ - 5, strip.width(), 11);
    SyncPaletteSelection();
}

void TsColorDialogForm::SyncPaletteSelection() {
    const TColor color = CurrentColor();
    if (MainPal->ItemIndex() >= 0 && MainPal->SelectedColor() != color) MainPal->SetItemIndex(-1);
    if (AddPal->ItemIndex() >= 0 && AddPal->SelectedColor() != color) {
        NextCustomSlot_ = AddPal->ItemIndex();
        AddPal->SetItemIndex(-1);
    }
}

void TsColorDialogForm::ApplyEditedColor(TColor color, bool& typingFlag) {
    const FlagGuard typing(typingFlag);
    SetCurrentColor(color);
    MainPal->SetItemIndex(-1);
    ColorPanel->update();
}

void TsColorDialogForm::sREditChange() {
    if (Updating_) return;
    const auto byte = [](const TsCurrencyEdit* edit) {
        return static_cast<uint8_t>(static_cast<unsigned>(TruncToInt(edit->Value())) & 0xFFu);
    };
    ApplyEditedColor(RGB(byte(sREdit), byte(sGEdit), byte(sBEdit)), TypingRgb_);
}

void TsColorDialogForm::sHEditChange() {
    if (Updating_) return;
    // Values beyond 0-360 and 0-100 are held to those ranges.
    const int h = std::clamp(TruncToInt(sHEdit->Value()), 0, 360);
    const double s = std::clamp(sSEdit->Value(), 0.0, 100.0) / 100;
    const double v = std::clamp(sVEdit->Value(), 0.0, 100.0) / 100;
    ApplyEditedColor(HsvToColor(v, s, h), TypingHsv_);
}

void TsColorDialogForm::sEditDecimalChange() {
    if (Updating_) return;
    // Beyond 0-16777215 a number would name a system colour or none; it is held to that range.
    const int value = std::clamp(TruncToInt(sEditDecimal->Value()), 0, 0xFFFFFF);
    ApplyEditedColor(static_cast<TColor>(value), TypingDecimal_);
}

void TsColorDialogForm::sEditHexChange() {
    if (Updating_) return;
    ApplyEditedColor(ColorFromHexText(sEditHex->Text()), TypingHex_);
}

void TsColorDialogForm::sEditHexKeyPress(QChar& key) {
    const bool hex = key.isDigit() || (key >= QLatin1Char('A') && key <= QLatin1Char('F')) ||
                     (key >= QLatin1Char('a') && key <= QLatin1Char('f'));
    if (!(hex && key.unicode() < 0x80) && key != QLatin1Char('\r') && key != QLatin1Char('\x1b')) key = QChar();
}

void TsColorDialogForm::MainPalChange(TsColorsPanel* sender) {
    const int index = sender->ItemIndex();
    if (index < 0) return;
    // An empty additional slot stays selected and changes nothing: the next add goes there.
    if (sender == AddPal && sender->Colors().value(index) == QStringLiteral("FFFFFF")) return;
    SetCurrentColor(sender->SelectedColor());
    ColorPanel->update();
}

void TsColorDialogForm::sBitBtn3Click() {
    QStringList colors = AddPal->Colors();
    const int selected = AddPal->ItemIndex();
    if (selected < 0) {
        colors[NextCustomSlot_] = sEditHex->Text();
        if (NextCustomSlot_ < colors.size() - 1) ++NextCustomSlot_;
    } else {
        colors[selected] = sEditHex->Text();
    }
    AddPal->SetColors(colors);
}
