#include "atlas/scaled_picture.h"

#include "atlas/jpeg_error.h"

#include <QIODevice>
#include <QImageReader>
#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int kJpegSignature = 0xd8ff;

// Feeds libjpeg from a QIODevice in chunks, so a large file is never held in memory whole.
struct DeviceSource {
    jpeg_source_mgr manager{};
    QIODevice* device = nullptr;
    std::array<JOCTET, 64 * 1024> buffer;
};

boolean FillBuffer(j_decompress_ptr info) {
    auto* source = reinterpret_cast<DeviceSource*>(info->src);
    qint64 count =
        source->device->read(reinterpret_cast<char*>(source->buffer.data()), source->buffer.size());
    if (count <= 0) {
        // A file cut short ends as if its end marker were there; the missing part decodes grey.
        source->buffer[0] = 0xff;
        source->buffer[1] = JPEG_EOI;
        count = 2;
    }
    source->manager.next_input_byte = source->buffer.data();
    source->manager.bytes_in_buffer = size_t(count);
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

void UseDevice(jpeg_decompress_struct& info, DeviceSource& source, QIODevice& device) {
    source.device = &device;
    source.manager.init_source = Nothing;
    source.manager.fill_input_buffer = FillBuffer;
    source.manager.skip_input_data = SkipData;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = Nothing;
    info.src = &source.manager;
}

// The smallest of libjpeg's reduced sizes that still covers `target`. Only halvings are tried: the codec has
// fast paths for those, while its other eighths are several times slower than decoding at the next halving.
void ChooseReducedSize(jpeg_decompress_struct& info, const QSize& target) {
    info.scale_denom = 8;
    for (unsigned eighths : {1u, 2u, 4u, 8u}) {
        info.scale_num = eighths;
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) >= target.width() && int(info.output_height) >= target.height())
            return;
    }
}

// Pixels are decoded, averaged and returned as packed RGB bytes, the layout the pan image is written in.
constexpr size_t kChannels = 3;

// Sums decoded rows column by column, then each run of columns into the output pixel that covers it: every
// decoded pixel counts once. Each step is one loop over plain arrays, which the compiler vectorises.
class BoxAverage {
public:
    // `sourceWidth` is at least `targetWidth`, so every output column covers at least one source column.
    BoxAverage(int sourceWidth, int targetWidth)
        : m_sums(size_t(sourceWidth) * kChannels), m_firstColumn(size_t(targetWidth) + 1),
          m_columnSums(size_t(targetWidth) * kChannels), m_perColumn(m_columnSums.size()) {
        for (int x = sourceWidth - 1; x >= 0; --x)
            m_firstColumn[size_t(qint64(x) * targetWidth / sourceWidth)] = x;
        m_firstColumn[size_t(targetWidth)] = sourceWidth;
        for (size_t i = 0; i < m_perColumn.size(); ++i) {
            const size_t column = i / kChannels;
            m_perColumn[i] = 1.0f / float(m_firstColumn[column + 1] - m_firstColumn[column]);
        }
    }

    void Add(const uchar* pixels) {
        qint32* sums = m_sums.data();
        for (size_t i = 0; i < m_sums.size(); ++i)
            sums[i] += pixels[i];
        ++m_rows;
    }

    // Writes the mean of the rows added since the last call, in the decoded layout.
    void Emit(uchar* line) {
        for (size_t column = 0; column + 1 < m_firstColumn.size(); ++column) {
            float* total = &m_columnSums[column * kChannels];
            std::fill_n(total, kChannels, 0.0f);
            for (int x = m_firstColumn[column]; x < m_firstColumn[column + 1]; ++x)
                for (size_t channel = 0; channel < kChannels; ++channel)
                    total[channel] += float(m_sums[size_t(x) * kChannels + channel]);
        }
        const float perRow = 1.0f / float(qMax(1, m_rows));
        const float* totals = m_columnSums.data();
        const float* perColumn = m_perColumn.data();
        const size_t count = m_columnSums.size();
        for (size_t i = 0; i < count; ++i)
            line[i] = uchar(int(totals[i] * perColumn[i] * perRow + 0.5f));
        std::fill(m_sums.begin(), m_sums.end(), 0);
        m_rows = 0;
    }

private:
    std::vector<qint32> m_sums;
    std::vector<int> m_firstColumn;
    // Floats: a tiny target of a huge picture sums more than 32 bits hold.
    std::vector<float> m_columnSums;
    std::vector<float> m_perColumn;
    int m_rows = 0;
};

// Decodes the rows into `image`, averaging them down; false on any decoding error. Nothing but libjpeg runs
// between the setjmp and a possible jump back, so no object here is left half-changed.
bool DecodeRows(jpeg_decompress_struct& info, JpegError& error, QImage& image, std::vector<uchar>& row,
                BoxAverage& average) {
    if (setjmp(error.jump))
        return false;
    jpeg_start_decompress(&info);
    const int height = int(info.output_height);
    int shown = 0;
    for (int y = 0; y < height; ++y) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        const int target = int(qint64(y) * image.height() / height);
        if (target != shown) {
            average.Emit(image.scanLine(shown));
            shown = target;
        }
        average.Add(row.data());
    }
    average.Emit(image.scanLine(shown));
    jpeg_finish_decompress(&info);
    return true;
}

// Reads the header and picks the reduced size and a fast decoding; false when the file is no JPEG.
bool PrepareDecoding(jpeg_decompress_struct& info, JpegError& error, DeviceSource& source, QIODevice& device,
                     QSize& target) {
    if (setjmp(error.jump))
        return false;
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kJpegMemoryLimit;
    UseDevice(info, source, device);
    jpeg_read_header(&info, TRUE);
    target = target.boundedTo(QSize(int(info.image_width), int(info.image_height)));
    ChooseReducedSize(info, target);
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    jpeg_calc_output_dimensions(&info);
    return true;
}

// The JPEG decoded at `target`, or at its own size when that is smaller and then enlarged.
QImage ReadScaledJpeg(QIODevice& device, const QSize& target) {
    jpeg_decompress_struct info{};
    JpegError error;
    UseJpegError(reinterpret_cast<jpeg_common_struct&>(info), error);
    auto source = std::make_unique_for_overwrite<DeviceSource>();
    QSize decoded = target;
    bool done = PrepareDecoding(info, error, *source, device, decoded);
    QImage image;
    if (done)
        image = QImage(decoded, QImage::Format_RGB888);
    done = done && !image.isNull() && int(info.output_width) >= decoded.width() &&
           int(info.output_height) >= decoded.height();
    if (done) {
        std::vector<uchar> row(size_t(info.output_width) * 4);
        BoxAverage average(int(info.output_width), decoded.width());
        done = DecodeRows(info, error, image, row, average);
    }
    jpeg_destroy_decompress(&info);
    if (!done)
        return {};
    return decoded == target ? image
                             : image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .convertToFormat(QImage::Format_RGB888);
}

QImage ReadScaledOther(QIODevice& device, const QSize& target) {
    QImageReader reader(&device);
    reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage ReadScaledPicture(QIODevice& device, const QSize& target) {
    if (target.isEmpty())
        return {};
    quint16 signature = 0;
    const bool jpeg = device.peek(reinterpret_cast<char*>(&signature), 2) == 2 && signature == kJpegSignature;
    return jpeg ? ReadScaledJpeg(device, target) : ReadScaledOther(device, target);
}
