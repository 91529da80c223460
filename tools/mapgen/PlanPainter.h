// Draws a city scheme: blocks with buildings and parks, a river, a railway, streets, labels and map furniture.
#pragma once

#include <QImage>

#include <cstdint>

/// Paints the whole image; the same seed and size give the same picture.
void PaintPlan(QImage& image, uint64_t seed);
