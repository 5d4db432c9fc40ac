#include "atlas/jpeg_strip_writer.h"

#include "draw/jpeg_error.h"

struct JpegStripWriter::Encoder {
    jpeg_compress_struct info{};
    JpegError error;
    bool created = false;
    int rowBytes = 0;
};

JpegStripWriter::JpegStripWriter() : m_encoder(std::make_unique<Encoder>()) {}

JpegStripWriter::~JpegStripWriter() {
    if (m_encoder->created)
        jpeg_destroy_compress(&m_encoder->info);
}

bool JpegStripWriter::Start(std::FILE* file, const QSize& size) {
    Encoder& encoder = *m_encoder;
    UseJpegError(reinterpret_cast<jpeg_common_struct&>(encoder.info), encoder.error);
    if (setjmp(encoder.error.jump))
        return false;
    jpeg_create_compress(&encoder.info);
    encoder.created = true;
    jpeg_stdio_dest(&encoder.info, file);
    encoder.info.image_width = JDIMENSION(size.width());
    encoder.info.image_height = JDIMENSION(size.height());
    encoder.info.input_components = 3;
    encoder.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder.info);
    jpeg_start_compress(&encoder.info, TRUE);
    encoder.rowBytes = size.width() * 3;
    return true;
}

bool JpegStripWriter::WriteRows(const unsigned char* rgb, int count) {
    Encoder& encoder = *m_encoder;
    if (setjmp(encoder.error.jump))
        return false;
    for (int y = 0; y < count; ++y) {
        JSAMPROW row[] = {const_cast<JSAMPLE*>(rgb + qsizetype(y) * encoder.rowBytes)};
        jpeg_write_scanlines(&encoder.info, row, 1);
    }
    return true;
}

bool JpegStripWriter::Finish() {
    Encoder& encoder = *m_encoder;
    if (setjmp(encoder.error.jump))
        return false;
    jpeg_finish_compress(&encoder.info);
    return true;
}
