#include "atlas/scaled_picture.h"

#include "draw/jpeg_decoding.h"

#include <QIODevice>
#include <QImageReader>
#include <vector>

namespace {

// The smallest of libjpeg's reduced sizes that still covers `target`. Only halvings are tried: the codec has
// fast paths for those, while its other eighths are several times slower than decoding at the next halving.
// After a header has been read, libjpeg's size reckoning cannot fail.
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

// Decodes the rows into `image`, averaging them down; false on any decoding error.
bool DecodeRows(JpegDecoding& decoding, QImage& image) {
    const jpeg_decompress_struct& info = decoding.Info();
    const int height = int(info.output_height);
    BoxAverage average(int(info.output_width), image.width());
    // libjpeg-turbo writes a row that starts on a 16-byte boundary with stores that bypass the cache, so
    // reading it straight back would wait for memory; a row one byte past the boundary stays in the cache.
    std::vector<uchar> buffer(size_t(info.output_width) * kChannels + 16);
    uchar* const row = buffer.data() + (16 - reinterpret_cast<quintptr>(buffer.data()) % 16) % 16 + 1;
    int shown = 0;
    for (int y = 0; y < height; ++y) {
        if (!decoding.ReadRow(row))
            return false;
        const int target = int(qint64(y) * image.height() / height);
        if (target != shown) {
            average.Emit(image.scanLine(shown));
            shown = target;
        }
        average.Add(row);
    }
    average.Emit(image.scanLine(shown));
    return decoding.Finish();
}

// The JPEG decoded at `target`, or at its own size when that is smaller and then enlarged.
QImage ReadScaledJpeg(QIODevice& device, const QSize& target) {
    JpegDecoding decoding(device);
    if (!decoding.ReadHeader())
        return {};
    jpeg_decompress_struct& info = decoding.Info();
    const QSize decoded = target.boundedTo(QSize(int(info.image_width), int(info.image_height)));
    ChooseReducedSize(info, decoded);
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    QImage image(decoded, QImage::Format_RGB888);
    if (image.isNull() || !decoding.Start() || int(info.output_width) < decoded.width() ||
        int(info.output_height) < decoded.height() || !DecodeRows(decoding, image))
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
    return StartsAsJpeg(device) ? ReadScaledJpeg(device, target) : ReadScaledOther(device, target);
}
