#include "atlas/tile_count.h"

#include "platform/find_first.h"
#include "platform/safe_file.h"
#include "state/map_state.h"

#include <QFileInfo>
#include <QImage>

namespace {

enum class Axis { Columns, Rows };

QString SetFolder(const QString& levelFolder) {
    return levelFolder + QStringLiteral("/set");
}

int CountTiles(const QString& levelFolder, Axis axis) {
    const QString set = SetFolder(levelFolder);
    const std::optional<QString> first = FindFirst(set, QStringLiteral("*_0_0.*"));
    if (!first)
        return 0;
    const qsizetype at = first->indexOf(QStringLiteral("0_0."));
    const QSize size = SafeImageSize(set + QLatin1Char('/') + *first, kMaxTileBytes);
    int unit = axis == Axis::Columns ? size.width() : size.height();
    if (!size.isValid() || unit <= 0)
        unit = 256;
    return CountNamedTiles(set, first->left(at), first->mid(at + 3), unit, axis == Axis::Columns);
}

} // namespace

int CountNamedTiles(const QString& setFolder, const QString& prefix, const QString& extension, int unit,
                    bool columns) {
    int result = 1;
    int index = 0;
    for (int step = 256, probe = 0; probe < 10; ++probe, step >>= 1) {
        const qint64 offset = qint64(index) * unit;
        const QString number = QString::number(offset);
        const QString name = columns ? prefix + number + QStringLiteral("_0") + extension
                                     : prefix + QStringLiteral("0_") + number + extension;
        if (QFileInfo::exists(setFolder + QLatin1Char('/') + name)) {
            result = index + 1;
            index += step;
        } else {
            index -= step;
        }
    }
    return result;
}

namespace {

std::optional<QImage> FirstTileImage(const QString& levelFolder) {
    const std::optional<QString> path = FirstTilePath(levelFolder);
    if (!path)
        return std::nullopt;
    QImage image(*path);
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace

std::optional<QString> FirstTilePath(const QString& levelFolder) {
    const QString set = SetFolder(levelFolder);
    const std::optional<QString> name = FindFirst(set, QStringLiteral("*0_0.*"));
    if (!name)
        return std::nullopt;
    return set + QLatin1Char('/') + *name;
}

int CountTileColumns() {
    return CountTiles(g_szAtlasFolder, Axis::Columns);
}
int CountTileRows() {
    return CountTiles(g_szAtlasFolder, Axis::Rows);
}

int CTileCount::CountTileColumns(const QString& levelFolder) const {
    return CountTiles(levelFolder, Axis::Columns);
}
int CTileCount::CountTileRows(const QString& levelFolder) const {
    return CountTiles(levelFolder, Axis::Rows);
}

int CTileCount::GetTileWidth(const QString& levelFolder) const {
    const std::optional<QImage> image = FirstTileImage(levelFolder);
    return image ? image->width() : 0;
}

int CTileCount::GetTileHeight(const QString& levelFolder) const {
    const std::optional<QImage> image = FirstTileImage(levelFolder);
    return image ? image->height() : 0;
}

int CTileCount::GetTileBitDepth(const QString& levelFolder) const {
    const std::optional<QImage> image = FirstTileImage(levelFolder);
    return image ? image->depth() : 0;
}
