#include "atlas/level_source.h"

#include "atlas/folder_level_source.h"
#include "atlas/picture_depth.h"
#include "atlas/tar_level_source.h"

#include <QImageReader>

namespace {

constexpr int kProbes = 10;
constexpr int kFirstStep = 256;

} // namespace

QString TileNaming::Name(qint64 px, qint64 py) const {
    return QStringLiteral("%1%2_%3%4").arg(prefix).arg(px).arg(py).arg(extension);
}

TileNaming SplitFirstTileName(const QString& name) {
    const qsizetype at = name.indexOf(QStringLiteral("0_0."));
    if (at < 0)
        return {};
    return {name.left(at), name.mid(at + 3)};
}

QString LevelSource::PanImagePath() const {
    return m_folder + QStringLiteral("/pan.jpg");
}

std::optional<FileRange> LevelSource::FirstTile() const {
    const std::optional<QString> name = FindTile(QStringLiteral("*0_0.*"));
    return name ? TileFile(*name) : std::nullopt;
}

FirstTileFacts LevelSource::ReadFirstTileFacts() const {
    const std::optional<FileRange> first = FirstTile();
    if (!first)
        return {};
    const std::unique_ptr<QIODevice> device = OpenRangeSafely(*first, kMaxTileBytes);
    if (!device)
        return {};
    const int depth = PictureBitDepth(*device);
    if (!device->seek(0))
        return {};
    const QImage image = QImageReader(device.get()).read();
    if (image.isNull())
        return {};
    return {image.width(), image.height(), depth};
}

std::optional<TileLayout> LevelSource::Layout() const {
    const std::optional<QString> name = FindTile(QStringLiteral("*_0_0.*"));
    if (!name)
        return std::nullopt;
    TileLayout layout{SplitFirstTileName(*name)};
    const std::optional<FileRange> file = TileFile(*name);
    const QSize size = file ? SafeImageSize(*file, kMaxTileBytes) : QSize();
    if (size.isValid() && !size.isEmpty()) {
        layout.tile = size;
        layout.tileReadable = true;
    }
    return layout;
}

int LevelSource::Count(const TileLayout& layout, bool columns) const {
    const qint64 unit = columns ? layout.tile.width() : layout.tile.height();
    int result = 1;
    int index = 0;
    for (int step = kFirstStep, probe = 0; probe < kProbes; ++probe, step >>= 1) {
        const qint64 offset = index * unit;
        if (HasTile(columns ? layout.naming.Name(offset, 0) : layout.naming.Name(0, offset))) {
            result = index + 1;
            index += step;
        } else {
            index -= step;
        }
    }
    return result;
}

int LevelSource::CountColumns() const {
    const std::optional<TileLayout> layout = Layout();
    return layout ? Count(*layout, true) : 0;
}

int LevelSource::CountRows() const {
    const std::optional<TileLayout> layout = Layout();
    return layout ? Count(*layout, false) : 0;
}

std::optional<FileRange> LevelSource::TileAt(qint64 px, qint64 py) const {
    // The index knows digits only; a position left of or above the level can still match a name with a sign.
    const std::optional<QString> name =
        px >= 0 && py >= 0 ? FindTileAt(px, py) : FindTile(QStringLiteral("*_%1_%2.*").arg(px).arg(py));
    return name ? TileFile(*name) : std::nullopt;
}

std::unique_ptr<LevelSource> OpenLevelSource(const QString& levelFolder) {
    if (const std::optional<QString> archive = LevelArchive(levelFolder))
        return std::make_unique<TarLevelSource>(levelFolder, *archive);
    return std::make_unique<FolderLevelSource>(levelFolder);
}
