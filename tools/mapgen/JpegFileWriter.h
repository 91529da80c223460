// Writes a painted QImage as a 3-component JFIF file straight from its rows.
#pragma once

#include <QImage>
#include <QString>

/// Writes image (Format_RGB32) at quality 1..100 without copying the picture.
/// Throws std::runtime_error with libjpeg's or the system's message; a partly written file is removed.
void WriteJpegFile(const QImage& image, const QString& path, int quality);
