// Draws an aerial-photo-like map: ground texture, villages, roads and their labels.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QSizeF>

#include <cstdint>
#include <vector>

/// Everything placed on the ground, decided once for the whole picture so that it can be painted
/// strip by strip.
struct PhotoScene {
    struct Road {
        QPainterPath Path;
        int Class;  // 0 dirt track, 1 local road, 2 highway
    };
    struct House {
        QPointF At;
        double Angle;
        QSizeF Size;
        int Roof;
    };
    QSize Size;
    uint32_t TextureSeed = 0;
    std::vector<QPointF> Villages;
    std::vector<Road> Roads;
    std::vector<House> Houses;
    int FirstPlace = 0;
};

/// Places villages, houses and roads for a picture of that size; the same seed and size give the
/// same scene.
PhotoScene PlanPhoto(QSize size, uint64_t seed);

/// Paints the part of the scene whose top-left pixel is `origin` into `region` (Format_RGB32): the
/// ground texture and whatever lies on it there. The region spans the picture's whole width.
void PaintPhotoRegion(QImage& region, QPoint origin, const PhotoScene& scene);

/// Paints the whole image; the same seed and size give the same picture.
void PaintPhoto(QImage& image, uint64_t seed);
