#include "draw/jpeg_decoding.h"

#include <QIODevice>
#include <algorithm>
#include <array>

namespace {

// The end of a file is followed by an end marker and zeros. A file cut short thus ends as if its marker were
// there (the missing part decodes grey); and as libjpeg-turbo takes its fast Huffman path only while a few
// kilobytes (512 bytes a block of an MCU, at most ten blocks) stay in the buffer, the zeros make up that
// much, so that a small tile decodes on the fast path to its end.
constexpr qint64 kReadBytes = 64 * 1024;
constexpr qint64 kEndPadding = 6 * 1024;

} // namespace

struct JpegDeviceSource {
    jpeg_source_mgr manager{};
    QIODevice* device = nullptr;
    std::array<JOCTET, kReadBytes + kEndPadding> buffer;
};

namespace {

JpegDeviceSource& SourceOf(j_decompress_ptr info) {
    return *reinterpret_cast<JpegDeviceSource*>(info->src);
}

boolean FillBuffer(j_decompress_ptr info) {
    JpegDeviceSource& source = SourceOf(info);
    qint64 count =
        qMax<qint64>(0, source.device->read(reinterpret_cast<char*>(source.buffer.data()), kReadBytes));
    if (count < kReadBytes || source.device->atEnd()) {
        std::fill_n(source.buffer.begin() + count, kEndPadding, JOCTET(0));
        source.buffer[size_t(count)] = 0xff;
        source.buffer[size_t(count) + 1] = JPEG_EOI;
        count += kEndPadding;
    }
    source.manager.next_input_byte = source.buffer.data();
    source.manager.bytes_in_buffer = size_t(count);
    return TRUE;
}

void SkipData(j_decompress_ptr info, long count) {
    jpeg_source_mgr& manager = *info->src;
    while (count > long(manager.bytes_in_buffer)) {
        count -= long(manager.bytes_in_buffer);
        FillBuffer(info);
    }
    if (count > 0) {
        manager.next_input_byte += count;
        manager.bytes_in_buffer -= size_t(count);
    }
}

void Nothing(j_decompress_ptr) {}

} // namespace

bool StartsAsJpeg(QIODevice& device) {
    char signature[2] = {};
    return device.peek(signature, 2) == 2 && uchar(signature[0]) == 0xff && uchar(signature[1]) == 0xd8;
}

JpegDecoding::JpegDecoding(QIODevice& device) : m_source(std::make_unique_for_overwrite<JpegDeviceSource>()) {
    m_source->device = &device;
    m_source->manager.init_source = Nothing;
    m_source->manager.fill_input_buffer = FillBuffer;
    m_source->manager.skip_input_data = SkipData;
    m_source->manager.resync_to_restart = jpeg_resync_to_restart;
    m_source->manager.term_source = Nothing;
    UseJpegError(reinterpret_cast<jpeg_common_struct&>(m_info), m_error);
}

JpegDecoding::~JpegDecoding() {
    if (m_created)
        jpeg_destroy_decompress(&m_info);
}

// libjpeg leaves a failed step through the jump target set here; only the library runs in between.
template <typename Step> bool JpegDecoding::Run(Step step) {
    if (setjmp(m_error.jump))
        return false;
    step();
    return true;
}

bool JpegDecoding::ReadHeader() {
    return Run([this] {
        jpeg_create_decompress(&m_info);
        m_created = true;
        m_info.mem->max_memory_to_use = kJpegMemoryLimit;
        m_info.src = &m_source->manager;
        jpeg_read_header(&m_info, TRUE);
    });
}

bool JpegDecoding::Start() {
    return Run([this] { jpeg_start_decompress(&m_info); });
}

bool JpegDecoding::ReadRow(uchar* row) {
    return Run([this, row] {
        JSAMPROW rows[] = {row};
        jpeg_read_scanlines(&m_info, rows, 1);
    });
}

bool JpegDecoding::Finish() {
    return Run([this] { jpeg_finish_decompress(&m_info); });
}
