// Texts, list items and the colour dialog's markers for the geometry file.
#include "ShotDetails.h"

#include <QLineEdit>

#include "controls/sComboBoxes.h"
#include "dialogs/ColorDialogForm.h"
#include "dialogs/ColorDialogParts.h"

void AddControlDetails(Json& object, const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) object.Set("text", edit->text().toStdString());
    const auto* box = qobject_cast<const TsCustomColorBox*>(&control);
    if (box == nullptr) return;
    Json items = Json::Array();
    for (int i = 0; i < box->count(); ++i) {
        Json item = Json::Object();
        item.Set("caption", box->itemText(i).toStdString());
        item.Set("color", static_cast<int64_t>(box->ItemColor(i)));
        item.Set("selected", i == box->currentIndex());
        items.Add(item);
    }
    object.Set("selected", static_cast<int64_t>(box->Selected()));
    object.Set("items", items);
}

void AddFormDetails(Json& object, const TForm& form, const QWidget& picture) {
    const auto* dialog = qobject_cast<const TsColorDialogForm*>(&form);
    if (dialog == nullptr) return;
    const QPoint field = dialog->ColorPanel->mapTo(&picture, QPoint(0, 0));
    Json fieldMarker = Json::Object();
    fieldMarker.Set("x", field.x() + dialog->FieldMarker().X);
    fieldMarker.Set("y", field.y() + dialog->FieldMarker().Y);
    object.Set("fieldMarker", fieldMarker);
    const QPoint bar = dialog->GradPanel->mapTo(&picture, QPoint(0, 0));
    Json barMarker = Json::Object();
    barMarker.Set("row", dialog->BarPosition());
    barMarker.Set("x", bar.x() + dialog->GradPanel->width() + 1);
    barMarker.Set("y", bar.y() + dialog->BarPosition());
    object.Set("barMarker", barMarker);
}
