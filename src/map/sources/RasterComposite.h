// Pixel helpers shared by the raster kinds: alpha compositing over the background, background rows.
#pragma once

#include <cstdint>

#include "core/Color.h"

/// Straight (not premultiplied) red, green, blue, alpha pixels over the background colour
/// (0x00BBGGRR): c * a / 255 + b * (255 - a) / 255, rounded to nearest.
void CompositeOver(const uint8_t* rgba, int width, TColor background, uint8_t* rgb);

/// Premultiplied pixels over the background: c + b * (255 - a) / 255, rounded, clamped to 255.
void CompositePremultipliedOver(const uint8_t* rgba, int width, TColor background, uint8_t* rgb);

/// `width` pixels of the colour.
void FillRgb(uint8_t* rgb, int width, TColor color);
