// Measures the OSM map's paint over a warm tile cache against one thread decoding the tiles it shows: the
// paint decodes on all cores, so it should take less than the bare one-thread decoding. Usage:
// osm_paint [work folder]; the cache is drawn there once and reused by later runs.

#include "atlas_builder.h"
#include "osm/osm_view.h"
#include "paint_timing.h"
#include "state/map_state.h"
#include "state/settings_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kCacheColumns = 40;
constexpr int kCacheRows = 24;
constexpr int kRounds = 6;
constexpr qint32 kFirstX = 2032;
constexpr qint32 kFirstY = 1362;
const QSize kView(1920, 1080);

QString TileFile(const QString& cache, qint32 x, qint32 y) {
    return QStringLiteral("%1/12-%2-%3.png").arg(cache).arg(x).arg(y);
}

bool BuildCacheOnce(const QString& cache) {
    const QString stamp = cache + QStringLiteral("/.complete");
    if (QFile::exists(stamp))
        return true;
    std::printf("Drawing %d x %d tiles into %s (once)...\n", kCacheColumns, kCacheRows, qPrintable(cache));
    std::fflush(stdout);
    QDir(cache).removeRecursively();
    QDir().mkpath(cache);
    for (int row = 0; row < kCacheRows; ++row)
        for (int column = 0; column < kCacheColumns; ++column)
            if (!AtlasBuilder::LandscapeTile(column, row, kCacheColumns, kCacheRows)
                     .save(TileFile(cache, kFirstX + column, kFirstY + row)))
                return false;
    QFile file(stamp);
    return file.open(QIODevice::WriteOnly);
}

// The tiles a paint of the view shows at the current position: the grid of 256-pixel cells.
QStringList VisibleTiles(const QString& cache) {
    QStringList paths;
    for (int row = 0; row < kView.height() / 256 + 1; ++row)
        for (int column = 0; column < kView.width() / 256 + 1; ++column)
            paths.append(TileFile(cache, g_nOsmX + column, g_nOsmY + row));
    return paths;
}

double MeanFileKb(const QStringList& paths) {
    double bytes = 0;
    for (const QString& path : paths)
        bytes += double(QFileInfo(path).size());
    return paths.isEmpty() ? 0 : bytes / double(paths.size()) / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QString work = BenchWorkFolder(argc, argv, "tarnwell_osm_paint_bench");
    const QString cache = work + QStringLiteral("/cache");
    if (!BuildCacheOnce(cache) || !SettingsStore::WriteAtlasFolder(cache)) {
        std::printf("could not draw the tile cache in %s\n", qPrintable(cache));
        return 1;
    }
    g_nZoom = 12;
    g_nTileWidth = g_nTileHeight = 256;
    // Every tile shown is cached; a download would mean the benchmark measures the wrong thing.
    g_wszOsmUrl = QStringLiteral("http://127.0.0.1:1/");

    QImage target(kView, QImage::Format_RGB32);
    std::vector<double> paints, decodes;
    QStringList paths;
    for (int round = -1; round < kRounds; ++round) {
        for (int i = 0; i < 16; ++i) {
            g_nOsmX = kFirstX + (i * 7 + round * 3 + 3) % (kCacheColumns - 8);
            g_nOsmY = kFirstY + (i * 5 + round * 2 + 2) % (kCacheRows - 5);
            paths = VisibleTiles(cache);
            const auto [paintMs, decodeMs] = BestPaintAndDecodeMs(
                target, [](QPainter& painter, const QRect& box) { COsmView().DrawOsmMap(painter, box); },
                paths);
            if (g_bOsmRepaint != 0) {
                std::printf("a tile was missing from the cache\n");
                return 1;
            }
            if (round < 0)
                continue; // the first round only warms the file cache
            paints.push_back(paintMs);
            decodes.push_back(decodeMs);
        }
    }
    const double paint = Mean(paints), decode = Mean(decodes);
    std::printf("Tiles: %lld of %.1f KB on average\n", qlonglong(paths.size()), MeanFileKb(paths));
    std::printf("DrawOsmMap %dx%d: %.2f ms per paint (mean of %zu positions, best of %d tries each)\n",
                kView.width(), kView.height(), paint, paints.size(), kAttempts);
    std::printf("One thread decoding the same tiles: %.2f ms\n", decode);
    std::printf("osm_paint ratio: %.3f\n", paint / decode);
    return 0;
}
