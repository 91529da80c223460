// Fills an image with an aerial-photo-like ground texture: water, shores, fields, meadows and forest.
#pragma once

#include <QImage>

#include <cstdint>

/// Fills every pixel of image (Format_RGB32) row by row; the same seed and width give the same picture.
/// The image may be a strip of a taller picture whose row firstRow is the image's row 0.
void FillPhotoTexture(QImage& image, uint32_t seed, int firstRow = 0);

/// Whether FillPhotoTexture with this seed puts land (neither water nor shore) at pixel (x, y).
bool IsDryLand(int x, int y, uint32_t seed);
