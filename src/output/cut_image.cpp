#include "output/cut_image.h"

#include "output/map_capture.h"
#include "platform/message_box.h"

#include <QFile>

QString CCutImage::CutMap(const QSize& clientSize, const QString& programFolder) const {
    return CaptureMap(clientSize, programFolder, [](const QString& tilePath) {
        QFile tile(tilePath);
        if (tile.remove())
            return true;
        ShowMessage(
            QStringLiteral("Could not delete the tile file %1: %2").arg(tilePath, tile.errorString()));
        return false;
    });
}
