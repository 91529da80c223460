// Names and haloed text shared by the plan and photo painters.
#include "MapLabels.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace MapLabels {

const QStringList& StreetNames() {
    static const QStringList names = {
        QStringLiteral("Mill Lane"),          QStringLiteral("ул. Садовая"),
        QStringLiteral("Harbour Road"),       QStringLiteral("Набережная ул."),
        QStringLiteral("Station Street"),     QStringLiteral("ул. Лесная"),
        QStringLiteral("Chestnut Avenue"),    QStringLiteral("Солнечный пер."),
        QStringLiteral("Baker Street"),       QStringLiteral("ул. Речная"),
        QStringLiteral("Orchard Way"),        QStringLiteral("Почтовая ул."),
        QStringLiteral("Market Row"),         QStringLiteral("ул. Кузнечная"),
        QStringLiteral("Quarry Road"),        QStringLiteral("Школьный пер."),
        QStringLiteral("Elm Grove"),          QStringLiteral("ул. Мостовая"),
        QStringLiteral("Canal Street"),       QStringLiteral("Вокзальная ул."),
        QStringLiteral("Linden Walk"),        QStringLiteral("ул. Полевая"),
        QStringLiteral("Tanners Lane"),       QStringLiteral("Липовая аллея"),
        QStringLiteral("Weaver Street"),      QStringLiteral("ул. Гончарная"),
        QStringLiteral("Bridge Road"),        QStringLiteral("Озёрный пр-д"),
    };
    return names;
}

const QStringList& PlaceNames() {
    static const QStringList names = {
        QStringLiteral("Brookfield"),  QStringLiteral("Новоречье"),   QStringLiteral("Ashby"),
        QStringLiteral("Сосновка"),    QStringLiteral("Westmere"),    QStringLiteral("Берёзовка"),
        QStringLiteral("Oakhurst"),    QStringLiteral("Заречье"),     QStringLiteral("Millbrook"),
        QStringLiteral("Каменка"),     QStringLiteral("Highcliff"),   QStringLiteral("Ольховка"),
        QStringLiteral("Greenholm"),   QStringLiteral("Лужки"),       QStringLiteral("Stonebridge"),
        QStringLiteral("Горелово"),    QStringLiteral("Fairlea"),     QStringLiteral("Малиновка"),
        QStringLiteral("Redwater"),    QStringLiteral("Ключи"),
    };
    return names;
}

const QStringList& BuildingNames() {
    static const QStringList names = {
        QStringLiteral("Town Hall"),   QStringLiteral("Школа № 5"),    QStringLiteral("Library"),
        QStringLiteral("Рынок"),       QStringLiteral("Post Office"),  QStringLiteral("Почта"),
        QStringLiteral("Museum"),      QStringLiteral("Больница"),     QStringLiteral("Fire Station"),
        QStringLiteral("Театр"),       QStringLiteral("Swimming Pool"), QStringLiteral("Детский сад"),
        QStringLiteral("Bus Depot"),   QStringLiteral("Стадион"),      QStringLiteral("Church"),
        QStringLiteral("Гостиница"),
    };
    return names;
}

QFont MapFont(int pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

double TextWidth(const QString& text, const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

void DrawHaloText(QPainter& painter, QPointF centre, double angle, const QString& text, const QFont& font,
                  const QColor& color, const QColor& halo, double haloWidth) {
    const QFontMetricsF metrics(font);
    QPainterPath path;
    // Baseline placed so that the cap height is centred on the anchor point.
    path.addText(-metrics.horizontalAdvance(text) / 2, metrics.capHeight() / 2, font, text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(centre);
    painter.rotate(angle);
    if (haloWidth > 0) {
        painter.strokePath(path, QPen(halo, haloWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.fillPath(path, color);
    painter.restore();
}

}  // namespace MapLabels
