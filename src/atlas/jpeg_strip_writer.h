#pragma once

#include <QSize>
#include <QString>
#include <cstdio>
#include <memory>

// Writes a baseline JPEG (the encoder's default quality) to a file a band of rows at a time, so that an
// image far larger than memory can be written. Rows come as packed 8-bit RGB.
class JpegStripWriter {
public:
    JpegStripWriter();
    ~JpegStripWriter();
    JpegStripWriter(const JpegStripWriter&) = delete;
    JpegStripWriter& operator=(const JpegStripWriter&) = delete;

    // Starts an image of `size` in `file`, which stays the caller's; false when the encoder refuses.
    bool Start(std::FILE* file, const QSize& size);

    // Appends `count` rows of `width` x 3 bytes each; false when the encoder or the file fails.
    bool WriteRows(const unsigned char* rgb, int count);

    // Ends the image; false when the encoder or the file fails.
    bool Finish();

private:
    struct Encoder;
    std::unique_ptr<Encoder> m_encoder;
};
