// Draws an aerial-photo-like map: ground texture, villages, roads and their labels.
#pragma once

#include <QImage>

#include <cstdint>

/// Paints the whole image; the same seed and size give the same picture.
void PaintPhoto(QImage& image, uint64_t seed);
