// Writes painted QImages as a 3-component JFIF file straight from their rows, whole or strip by strip.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

/// A JPEG file written from top to bottom in strips, so that no picture of the whole map is ever
/// held. Throws std::runtime_error with libjpeg's or the system's message; a file not finished is
/// removed.
class JpegStripWriter {
public:
    JpegStripWriter(const QString& path, int width, int height, int quality);
    ~JpegStripWriter();
    JpegStripWriter(const JpegStripWriter&) = delete;
    JpegStripWriter& operator=(const JpegStripWriter&) = delete;

    /// The next rows: a Format_RGB32 strip of the picture's width.
    void WriteRows(const QImage& strip);
    /// After the last row: completes and closes the file.
    void Finish();

    struct State;

private:
    std::unique_ptr<State> State_;
    QByteArray Name_;
    bool Finished_ = false;
};

/// Writes image (Format_RGB32) at quality 1..100 without copying the picture.
/// Throws std::runtime_error with libjpeg's or the system's message; a partly written file is removed.
void WriteJpegFile(const QImage& image, const QString& path, int quality);
