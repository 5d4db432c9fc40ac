#include "atlas/pan_view.h"

#include "draw/back_buffer.h"
#include "draw/map_font.h"
#include "draw/map_text.h"
#include "platform/safe_file.h"
#include "state/map_state.h"

#include <QImageReader>
#include <QPainter>

namespace {

constexpr int kImageTop = 33;

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

// Draws the level's pan.jpg scaled into the view and notes its sizes in the pan variables; false when there
// is none or it cannot be read.
bool DrawPanPicture(QPainter& painter, const QSize& view) {
    if (g_szAtlasFolder.isEmpty())
        return false;
    const std::unique_ptr<QFile> file =
        OpenFileSafely(g_szAtlasFolder + QStringLiteral("/pan.jpg"), kMaxPanImageBytes);
    if (!file)
        return false;
    QImageReader reader(file.get());
    const QSize imageSize = reader.size();
    if (!imageSize.isValid() || imageSize.isEmpty())
        return false;
    const ShownSize fit = FitPanImage(imageSize, view);
    const QRect shown(0, kImageTop, int(fit.width), int(fit.height));
    // Decoding straight to the shown size keeps the pan image of a huge level from filling the memory.
    reader.setScaledSize(shown.size().expandedTo(QSize(1, 1)));
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    g_nPanImageWidth = imageSize.width();
    g_nPanImageHeight = imageSize.height();
    g_fPanShownWidth = fit.width;
    g_fPanShownHeight = fit.height;
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), image);
    return true;
}

} // namespace

int DrawPanImage(QPainter& target, const QRect& clipBox) {
    const bool drawn =
        DrawOffScreen(target, clipBox, [&clipBox](QPainter& painter, const QPaintDevice& device) {
            DrawMapText(
                painter, QPoint(20, 5),
                QStringLiteral("Reposition the map by clicking on the place you want or press Esc to cancel"),
                MapFont(device, 8, 16));
            if (!DrawPanPicture(painter, clipBox.size()))
                DrawMapLines(painter, 50, 100, 50, kNoPanLines, MapFont(device, 4, 8));
        });
    return drawn ? 0 : -1;
}
