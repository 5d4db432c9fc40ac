// Measures the Trekbuddy map's paint against the bare decoding of the tiles it shows: the paint should cost
// little more than the tile files themselves. Usage: atlas_paint [work folder]; the level is built there once
// and reused by later runs.

#include "atlas/level_folder.h"
#include "atlas/trekbuddy.h"
#include "atlas_builder.h"
#include "paint_timing.h"
#include "state/map_state.h"
#include "state/settings_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLevelSide = 100;
constexpr int kRounds = 8;
const QSize kView(1920, 1080);

bool BuildLevelOnce(const QString& atlas) {
    const QString stamp = atlas + QStringLiteral("/.complete");
    if (QFile::exists(stamp))
        return true;
    std::printf("Building a level of %d x %d tiles in %s (once)...\n", kLevelSide, kLevelSide,
                qPrintable(atlas));
    std::fflush(stdout);
    QDir(atlas).removeRecursively();
    AtlasBuilder::Level level{QStringLiteral("12"), kLevelSide, kLevelSide};
    level.calibration = false;
    if (!AtlasBuilder::WriteLevel(atlas, level))
        return false;
    QFile file(stamp);
    return file.open(QIODevice::WriteOnly);
}

// The tiles a paint of the view shows at the current position.
QStringList VisibleTiles(const QString& setFolder) {
    QStringList paths;
    for (int column = 0; column < 8 && column * 256 <= kView.width(); ++column)
        for (int row = 0; row < 6 && row * 256 + 33 <= kView.height(); ++row)
            paths.append(QStringLiteral("%1/t_%2_%3.jpg")
                             .arg(setFolder)
                             .arg((g_nTbX + column) * 256)
                             .arg((g_nTbY + row) * 256));
    return paths;
}

// Less swayed than the mean by the odd paint that another process interrupted.
double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QString work = BenchWorkFolder(argc, argv, "tarnwell_atlas_paint_bench");
    const QString atlas = work + QStringLiteral("/atlas");
    if (!BuildLevelOnce(atlas) || !SettingsStore::WriteAtlasFolder(atlas)) {
        std::printf("could not build the level in %s\n", qPrintable(atlas));
        return 1;
    }
    g_nZoom = 12;
    LoadLevel();
    const QString setFolder = g_szAtlasFolder + QStringLiteral("/set");

    QImage target(kView, QImage::Format_RGB32);
    std::vector<double> paints, decodes;
    int tiles = 0;
    for (int round = -1; round < kRounds; ++round) {
        for (int i = 0; i < 20; ++i) {
            const qint32 x = (i * 37 + round * 11 + 11) % (kLevelSide - 8);
            const qint32 y = (i * 23 + round * 7 + 7) % (kLevelSide - 6);
            g_nTbX = x;
            g_nTbY = y;
            const QStringList paths = VisibleTiles(setFolder);
            const auto [paintMs, decodeMs] = BestPaintAndDecodeMs(
                target, [](QPainter& painter, const QRect& box) { CTrekbuddy().DrawAtlas(painter, box); },
                paths);
            if (round < 0 || g_nTbX != x || g_nTbY != y)
                continue; // the first round only warms the file cache
            paints.push_back(paintMs);
            decodes.push_back(decodeMs);
            tiles = int(paths.size());
        }
    }
    const double paint = Mean(paints), decode = Mean(decodes);
    std::printf(
        "DrawAtlas %dx%d: %.2f ms per paint (mean of %zu positions, best of %d tries each; median %.2f)\n",
        kView.width(), kView.height(), paint, paints.size(), kAttempts, Median(paints));
    std::printf("Decoding the same %d tiles alone: %.2f ms (mean; median %.2f)\n", tiles, decode,
                Median(decodes));
    std::printf("Ratio of the medians: %.3f\n", Median(paints) / Median(decodes));
    std::printf("atlas_paint ratio: %.3f\n", paint / decode);
    return 0;
}
