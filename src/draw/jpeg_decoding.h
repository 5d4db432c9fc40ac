#pragma once

#include "draw/jpeg_error.h"

#include <QtGlobal>
#include <memory>

class QIODevice;
struct JpegDeviceSource;

// Whether `device`'s next bytes start a JPEG file; nothing is consumed.
bool StartsAsJpeg(QIODevice& device);

// One libjpeg decoding that reads its file from a QIODevice in chunks, so a large file is never held in
// memory whole. Steps run in order; each returns false once libjpeg has failed, and the decoding is then
// over.
class JpegDecoding {
public:
    explicit JpegDecoding(QIODevice& device);
    ~JpegDecoding();
    JpegDecoding(const JpegDecoding&) = delete;
    JpegDecoding& operator=(const JpegDecoding&) = delete;

    // Reads the header; afterwards the caller may set the output options in Info().
    bool ReadHeader();
    jpeg_decompress_struct& Info() { return m_info; }
    bool Start();
    // Decodes the next row into `row`, which holds output_width x output_components bytes.
    bool ReadRow(uchar* row);
    bool Finish();

private:
    template <typename Step> bool Run(Step step);

    jpeg_decompress_struct m_info{};
    JpegError m_error;
    std::unique_ptr<JpegDeviceSource> m_source;
    bool m_created = false;
};
