#include "atlas/pan_view.h"

#include "atlas/level_source.h"
#include "atlas/scaled_picture.h"
#include "draw/back_buffer.h"
#include "draw/map_band.h"
#include "draw/map_font.h"
#include "draw/map_text.h"
#include "platform/safe_file.h"
#include "state/map_state.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

const QStringList kNoPanLines = {
    QStringLiteral("There is no pan.jpg file for this zoom level."),
    QStringLiteral("You can create one by using the"),
    QStringLiteral("Trekbuddy menu and Make pan files."),
};

struct ShownSize {
    float width;
    float height;
};

// The size at which a pan image of `imageSize` fills a view of `view`: its whole width when the image is
// relatively wider than the view, else its whole height.
ShownSize FitPanImage(const QSize& imageSize, const QSize& view) {
    const float width = float(imageSize.width());
    const float height = float(imageSize.height());
    const float viewWidth = float(qMax(1, view.width()));
    const float viewHeight = float(qMax(1, view.height()));
    if (width / viewWidth > height / viewHeight)
        return {viewWidth, height / width * viewWidth};
    return {width / height * viewHeight, viewHeight};
}

enum class PanPicture { Drawn, Missing, Unreadable };

// The last pan image decoded, at the size it was shown. A file that changed (other size or time stamp) or a
// view of another size is decoded afresh.
struct DecodedPan {
    QString path;
    qint64 bytes = -1;
    QDateTime modified;
    QSize shown;
    QImage image;
};

DecodedPan& LastPan() {
    static DecodedPan last;
    return last;
}

// The pixel size of the pan image in `file`; an invalid size when it is no picture.
QSize PanImageSize(QFile& file) {
    const QSize size = QImageReader(&file).size();
    file.seek(0);
    return size;
}

// Draws the level's pan.jpg scaled into the view and notes its sizes in the pan variables.
PanPicture DrawPanPicture(QPainter& painter, const QSize& view) {
    if (g_szAtlasFolder.isEmpty())
        return PanPicture::Missing;
    const QString path = OpenLevelSource(g_szAtlasFolder)->PanImagePath();
    const std::unique_ptr<QFile> file = OpenFileSafely(path, kMaxPanImageBytes);
    if (!file)
        return QFileInfo(path).isFile() ? PanPicture::Unreadable : PanPicture::Missing;
    const QSize imageSize = PanImageSize(*file);
    if (!imageSize.isValid() || imageSize.isEmpty())
        return PanPicture::Unreadable;
    const ShownSize fit = FitPanImage(imageSize, view);
    const QRect shown(0, kBandHeight, qMax(1, int(fit.width)), qMax(1, int(fit.height)));
    // Asked of the open file itself: it was opened from a descriptor, so it carries no name to look up.
    const qint64 bytes = file->size();
    const QDateTime modified = file->fileTime(QFileDevice::FileModificationTime);
    DecodedPan& last = LastPan();
    if (last.path != path || last.bytes != bytes || last.modified != modified || last.shown != shown.size()) {
        // Decoded straight at the shown size, so a pan image of a huge level never fills the memory.
        last = {path, bytes, modified, shown.size(),
                ReadScaledPicture(*file, shown.size()).convertToFormat(QImage::Format_RGB32)};
    }
    if (last.image.isNull())
        return PanPicture::Unreadable;
    g_nPanImageWidth = imageSize.width();
    g_nPanImageHeight = imageSize.height();
    g_fPanShownWidth = fit.width;
    g_fPanShownHeight = fit.height;
    painter.drawImage(shown.topLeft(), last.image);
    return PanPicture::Drawn;
}

} // namespace

int DrawPanImage(QPainter& target, const QRect& clipBox) {
    const bool drawn =
        DrawOffScreen(target, clipBox, [&clipBox](QPainter& painter, const QPaintDevice& device) {
            DrawMapText(
                painter, QPoint(20, 5),
                QStringLiteral("Reposition the map by clicking on the place you want or press Esc to cancel"),
                MapFont(device, 8, 16));
            const PanPicture picture = DrawPanPicture(painter, clipBox.size());
            if (picture != PanPicture::Drawn) {
                QStringList lines = kNoPanLines;
                if (picture == PanPicture::Unreadable)
                    lines.first() = QStringLiteral("The pan.jpg file for this zoom level could not be read.");
                DrawMapLines(painter, 50, 100, 50, lines, MapFont(device, 4, 8));
            }
        });
    return drawn ? 0 : -1;
}
