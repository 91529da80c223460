// Palette updates for control colours.
#include "ControlColors.h"

#include <QPalette>
#include <QWidget>

#include "platform/SystemMetrics.h"

void SetControlColor(QWidget* control, TColor color) {
    QPalette pal = control->palette();
    pal.setColor(QPalette::Base, ToQColor(color));
    pal.setColor(QPalette::Button, ToQColor(color));
    control->setPalette(pal);
}

void SetControlFontColor(QWidget* control, TColor color) {
    QPalette pal = control->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        pal.setColor(QPalette::Active, role, ToQColor(color));
        pal.setColor(QPalette::Inactive, role, ToQColor(color));
    }
    control->setPalette(pal);
}
