// TsColorDialogForm: palettes, the hue/saturation field, the value bar, the number fields and the buttons.
#pragma once

#include <QImage>
#include <QRect>

#include "ColorDialogMath.h"
#include "platform/Forms.h"
#include "skin/model/ColorTransforms.h"

class TsButton;
class TsColorDialog;
class TsColorsPanel;
class TsCurrencyEdit;
class TsLabel;
class TsMaskEdit;
class TsSkinProvider;
class TsSpeedButton;
class TColorAreaPanel;
class TShape;

class TsColorDialogForm : public TForm {
    Q_OBJECT
public:
    explicit TsColorDialogForm(QWidget* parent = nullptr);
    ~TsColorDialogForm() override;

    // --- Controls, in form-data order -------------------------------------------------------------
    TsSkinProvider* sSkinProvider1;
    TsLabel* sLabel1;
    TsColorsPanel* MainPal;
    TsLabel* sLabel2;
    TsColorsPanel* AddPal;
    TsButton* sBitBtn4;
    TsSpeedButton* sSpeedButton1;
    TsMaskEdit* sEditHex;
    TsCurrencyEdit* sEditDecimal;
    TsButton* sBitBtn1;
    TsButton* sBitBtn2;
    TsButton* sBitBtn5;
    TColorAreaPanel* ColorPanel;
    TColorAreaPanel* GradPanel;
    TShape* SelectedPanel;
    TsCurrencyEdit* sHEdit;
    TsCurrencyEdit* sSEdit;
    TsCurrencyEdit* sVEdit;
    TsLabel* sLabel4;
    TsLabel* sLabel5;
    TsLabel* sLabel6;
    TsCurrencyEdit* sREdit;
    TsCurrencyEdit* sGEdit;
    TsCurrencyEdit* sBEdit;
    TsButton* sBitBtn3;
    // The number fields' bound labels, at their left.
    TsLabel* HexLabel;
    TsLabel* DecimalLabel;
    TsLabel* HLabel;
    TsLabel* SLabel;
    TsLabel* BLabel;
    TsLabel* RedLabel;
    TsLabel* GreenLabel;
    TsLabel* BlueLabel;

    /// The component that runs the form; null when the form is used on its own.
    TsColorDialog* Dialog = nullptr;

    // --- Operations -------------------------------------------------------------------------------
    void SetCurrentColor(TColor color);
    void SetHueSat(int h, double s);
    TColor GradientColorAt(int row) const;
    int GetColorCoord(TColor color) const;
    /// Applies a colour typed into one group of fields; that group keeps its text.
    void ApplyEditedColor(TColor color, bool& typingFlag);
    void SyncPaletteSelection();
    void RefreshValueBar();
    void SetCaptions();
    void CreateExtBmp();
    /// The outer width of the window (frame included), kept between 235 and 541.
    void SetFormWidth(int outerWidth);
    int FormWidth() const;

    // --- Handlers ---------------------------------------------------------------------------------
    void FormShow();
    void ColorPanelPaint(QPainter& painter);
    void ColorPanelMouseDown(const QPoint& pos);
    void ColorPanelMouseMove(const QPoint& pos);
    void ColorPanelMouseUp();
    void GradPanelPaint(QPainter& painter);
    void GradPanelMouseDown(const QPoint& pos);
    void GradPanelMouseMove(const QPoint& pos);
    void GradPanelMouseUp();
    void FormPaint(QPainter& painter);
    void MainPalChange(TsColorsPanel* sender);
    void sEditHexKeyPress(QChar& key);
    void sEditHexChange();
    void sEditDecimalChange();
    void sHEditChange();
    void sREditChange();
    void sBitBtn1Click();
    void sBitBtn2Click();
    void sBitBtn3Click();
    void sBitBtn4Click();
    void sBitBtn5Click();
    void sSpeedButton1Click();

    // --- State, for the tests and the geometry report ------------------------------------------------
    TColor CurrentColor() const;
    ColorDialogMath::MarkerPoint FieldMarker() const { return Marker_; }
    int BarPosition() const { return BarPosition_; }
    int NextCustomSlot() const { return NextCustomSlot_; }
    const QImage& FieldPicture() const { return FieldPicture_; }
    /// The strip right of the value bar where its marker is drawn (client coordinates).
    QRect BarStrip() const;
    /// The marker triangle's colour: the skin's global text colour while skinned, else black.
    TColor BarMarkerColor() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void SetTabOrders();
    void SetFieldsFrom(TColor color);
    void SetNumber(TsCurrencyEdit* edit, double value);

    TColor BaseColor_ = clRed;
    HsvValue Hsv_;
    int BarPosition_ = 0;
    ColorDialogMath::MarkerPoint Marker_;
    int NextCustomSlot_ = 0;
    bool FieldDragging_ = false;
    bool BarDragging_ = false;
    bool BarIsSource_ = false;
    bool Updating_ = false;
    bool TypingHex_ = false;
    bool TypingDecimal_ = false;
    bool TypingHsv_ = false;
    bool TypingRgb_ = false;
    bool Shown_ = false;
    QImage FieldPicture_;
};
