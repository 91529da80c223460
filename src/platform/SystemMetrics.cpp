// The fixed metric table and colour conversions.
#include "SystemMetrics.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>

#include "core/SystemColors.h"

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
        case SM_CYSCREEN: {
            QScreen* screen = QGuiApplication::primaryScreen();
            if (screen == nullptr) return index == SM_CXSCREEN ? 1024 : 768;
            const QRect g = screen->geometry();
            return index == SM_CXSCREEN ? g.width() : g.height();
        }
        case SM_CXVSCROLL:
        case SM_CYHSCROLL: return 17;
        case SM_CYCAPTION: return 22;
        case SM_CXBORDER:
        case SM_CYBORDER: return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME: return 3;
        case SM_CXICON:
        case SM_CYICON: return 32;
        case SM_CYMENU: return 20;
        case SM_CXFRAME:
        case SM_CYFRAME: return 4;
        case SM_CXSIZE:
        case SM_CYSIZE: return 18;
        case SM_CXSMICON:
        case SM_CYSMICON: return 16;
        case SM_CYSMCAPTION: return 17;
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        default: return 0;
    }
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) {
    return RGB(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
               static_cast<uint8_t>(color.blue()));
}

QFont FormFont(const char* family, int height) {
    QFont font(QString::fromLatin1(family));
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height is the whole cell, internal leading included: about a fifth more.
        font.setPixelSize(std::max(1, height * 4 / 5));
    }
    return font;
}

QFont CaptionFont() {
    QFont font = FormFont("Tahoma", -11);
    font.setBold(true);
    return font;
}
