// Texts, list items, tree nodes and the colour dialog's markers for the geometry file.
#include "ShotDetails.h"

#include <QLineEdit>

#include "skin/controls/sComboBoxes.h"
#include "skin/dialogs/ColorDialogForm.h"
#include "skin/dialogs/ColorDialogParts.h"
#include "skin/dialogs/ShellTreeBase.h"

namespace {

// The node and, when it is expanded, the nodes below it, as the tree lists them.
void AddVisibleNodes(Json& nodes, const QTreeWidgetItem& node, int depth, const QTreeWidgetItem* selected) {
    Json item = Json::Object();
    item.Set("caption", node.text(0).toStdString());
    item.Set("depth", depth);
    item.Set("expanded", node.isExpanded());
    item.Set("selected", &node == selected);
    nodes.Add(item);
    if (!node.isExpanded()) return;
    for (int i = 0; i < node.childCount(); ++i) AddVisibleNodes(nodes, *node.child(i), depth + 1, selected);
}

}  // namespace

void AddControlDetails(Json& object, const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) object.Set("text", edit->text().toStdString());
    if (const auto* tree = qobject_cast<const TShellTreeBase*>(&control)) {
        Json nodes = Json::Array();
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            AddVisibleNodes(nodes, *tree->topLevelItem(i), 0, tree->currentItem());
        object.Set("nodes", nodes);
        return;
    }
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
