// Measures the Trekbuddy map's paint against the bare decoding of the tiles it shows: the paint should cost
// little more than the tile files themselves. A tared copy of the level is painted at the same positions, its
// load with the archive's index timed, and the index of a tared level of 400 x 400 tiles weighed. Usage:
// atlas_paint [work folder]; the levels are built there once and reused by later runs.

#include "atlas/level_folder.h"
#include "atlas/tar_index.h"
#include "atlas/trekbuddy.h"
#include "atlas_builder.h"
#include "paint_timing.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "tar_writer.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

// A tared copy of the level in `level`: its tiles linked into a folder of the copy's own, then packed.
bool BuildTaredCopyOnce(const QString& level, const QString& copy) {
    const QString archive = copy + QStringLiteral("/12.tar");
    if (QFile::exists(archive))
        return true;
    std::printf("Packing a tared copy of the level in %s (once)...\n", qPrintable(copy));
    std::fflush(stdout);
    QDir(copy).removeRecursively();
    if (!QDir().mkpath(copy + QStringLiteral("/set")))
        return false;
    for (const QString& tile : QDir(level + QStringLiteral("/set")).entryList(QDir::Files)) {
        const QByteArray from = QFile::encodeName(level + QStringLiteral("/set/") + tile);
        if (::link(from.constData(), QFile::encodeName(copy + QStringLiteral("/set/") + tile).constData()) !=
            0)
            return false;
    }
    return AtlasBuilder::TarLevel(copy, true);
}

// The archive of a tared level of 400 x 400 tiles, the most a pan image holds, named as 256-pixel tiles are;
// each holds the same small PNG, since only the names and the number of members weigh in the index.
std::optional<QString> BuildLargeTaredLevelOnce(const QString& work) {
    const QString archive = work + QStringLiteral("/large/12/12.tar");
    if (QFile::exists(archive))
        return archive;
    std::printf("Packing a tared level of 400 x 400 tiles in %s (once)...\n", qPrintable(archive));
    std::fflush(stdout);
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG") ||
        !QDir().mkpath(work + "/large/12"))
        return std::nullopt;
    png.resize((png.size() + 511) / 512 * 512, '\0');
    QFile file(archive + QStringLiteral(".part"));
    if (!file.open(QIODevice::WriteOnly))
        return std::nullopt;
    for (int row = 0; row < 400; ++row) {
        QByteArray bytes;
        for (int column = 0; column < 400; ++column)
            bytes +=
                TarWriter::Header(QStringLiteral("set/t_%1_%2.png").arg(column * 256).arg(row * 256).toUtf8(),
                                  png.size()) +
                png;
        if (file.write(bytes) != bytes.size())
            return std::nullopt;
    }
    if (file.write(QByteArray(1024, '\0')) != 1024 || !file.rename(archive))
        return std::nullopt;
    return archive;
}

// Milliseconds of loading the tared level as if for the first time: a new stamp on its archive has its index
// built again.
double TaredLoadMs(const QString& archive) {
    const timespec stamps[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
    utimensat(AT_FDCWD, QFile::encodeName(archive).constData(), stamps, 0);
    QElapsedTimer timer;
    timer.start();
    LoadLevel();
    return double(timer.nsecsElapsed()) / 1e6;
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

const auto kDraw = [](QPainter& painter, const QRect& box) { CTrekbuddy().DrawAtlas(painter, box); };

// The tared copy of `untaredLevel` painted at the same positions, tries of both interleaved; its load; and
// the index of the large tared level.
bool MeasureTaredLevels(const QString& work, const QString& untaredLevel) {
    const QString taredAtlas = work + QStringLiteral("/tared");
    const QString taredLevel = taredAtlas + QStringLiteral("/12");
    const std::optional<QString> large = BuildLargeTaredLevelOnce(work);
    if (!BuildTaredCopyOnce(untaredLevel, taredLevel) || !large ||
        !SettingsStore::WriteAtlasFolder(taredAtlas)) {
        std::printf("could not build the tared levels in %s\n", qPrintable(work));
        return false;
    }
    std::vector<double> loads;
    for (int i = 0; i < 9; ++i)
        loads.push_back(TaredLoadMs(taredLevel + QStringLiteral("/12.tar")));
    if (g_szAtlasFolder != taredLevel)
        return false;

    QImage target(kView, QImage::Format_RGB32);
    std::vector<double> untared, tared;
    for (int round = -1; round < kRounds; ++round) {
        for (int i = 0; i < 20; ++i) {
            const qint32 x = (i * 37 + round * 11 + 11) % (kLevelSide - 8);
            const qint32 y = (i * 23 + round * 7 + 7) % (kLevelSide - 6);
            double best[2] = {1e9, 1e9};
            for (int attempt = 0; attempt < kAttempts; ++attempt)
                for (int kind = 0; kind < 2; ++kind) {
                    std::tie(g_szAtlasFolder, g_nTbX, g_nTbY) =
                        std::tuple{kind ? taredLevel : untaredLevel, x, y};
                    best[kind] = std::min(best[kind], PaintMs(target, kDraw));
                }
            if (round < 0)
                continue;
            untared.push_back(best[0]);
            tared.push_back(best[1]);
        }
    }
    std::printf(
        "DrawAtlas of the tared copy: %.2f ms per paint, of the level itself %.2f ms (means of %zu)\n",
        Mean(tared), Mean(untared), tared.size());
    std::printf("atlas_paint tared_ratio: %.3f\n", Mean(tared) / Mean(untared));
    std::printf("atlas_paint tared_load_ms: %.2f\n", Median(loads));

    QElapsedTimer timer;
    timer.start();
    const std::optional<TarIndex> index = TarIndex::Read(*large);
    const double indexMs = double(timer.nsecsElapsed()) / 1e6;
    if (!index)
        return false;
    std::printf("Index of the 400 x 400 tared level: %lld members in %.0f ms\n", qlonglong(index->Count()),
                indexMs);
    std::printf("atlas_paint tared_index_mib: %.2f\n", double(index->MemoryBytes()) / double(1 << 20));
    return true;
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
            const auto [paintMs, decodeMs] = BestPaintAndDecodeMs(target, kDraw, paths);
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
    return MeasureTaredLevels(work, g_szAtlasFolder) ? 0 : 1;
}
