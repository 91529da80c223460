// The geometry file of a shot.
#include "ShotGeometry.h"

#include <QRegion>
#include <QWidget>

#include "ShotDetails.h"
#include "ShotFrame.h"
#include "ShotStates.h"
#include "platform/Forms.h"
#include "skin/manager/sSkinManager.h"

namespace {

Json Rectangles(const QRegion& region, const QPoint& offset) {
    Json list = Json::Array();
    for (const QRect& r : region.translated(offset)) {
        Json rect = Json::Array();
        for (int value : {r.x(), r.y(), r.width(), r.height()}) rect.Add(value);
        list.Add(rect);
    }
    return list;
}

}  // namespace

Json ShotGeometryJson(const ShotWindow& window, const std::string& formName, const QWidget& picture) {
    TForm* form = window.Form;
    Json json = Json::Object();
    json.Set("form", formName);
    json.Set("class", form->metaObject()->className());
    json.Set("skin", window.Manager->SkinName().toStdString());
    json.Set("width", picture.width());
    json.Set("height", picture.height());
    json.Set("active", form->isActiveWindow());
    QWidget* focus = form->focusWidget();
    std::string focusName;
    for (QWidget* control : ShotControls(window))
        if (focus != nullptr && (control == focus || control->isAncestorOf(focus)))
            focusName = control->objectName().toStdString();
    json.Set("focus", focusName);
    if (!form->mask().isEmpty()) json.Set("region", Rectangles(form->mask(), -picture.mapTo(form, QPoint(0, 0))));
    json.Set("frame", ShotFrameJson(window));
    Json controls = Json::Array();
    for (QWidget* control : ShotControls(window)) {
        const QPoint at = control->mapTo(&picture, QPoint(0, 0));
        Json c = Json::Object();
        c.Set("name", control->objectName().toStdString());
        c.Set("class", control->metaObject()->className());
        c.Set("x", at.x());
        c.Set("y", at.y());
        c.Set("width", control->width());
        c.Set("height", control->height());
        c.Set("visible", control->isVisibleTo(form));
        c.Set("enabled", control->isEnabled());
        if (!control->mask().isEmpty()) c.Set("region", Rectangles(control->mask(), at));
        AddControlDetails(c, *control);
        controls.Add(c);
    }
    json.Set("controls", controls);
    AddFormDetails(json, *form, picture);
    return json;
}
