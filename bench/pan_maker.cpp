// Measures MakePanImage against a plain reference that shrinks every tile on one thread into one 8000 x 8000
// image and saves it; then makes the pan image of a level of 400 x 400 tiles. Each run is a child process of
// its own (this program started again), so that each peak memory is its own.
// Usage: QT_QPA_PLATFORM=offscreen pan_maker [work folder]; the levels are built there once and reused later.

#include "atlas/pan_maker.h"

#include "atlas_builder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int kLevelSide = 100;
constexpr int kBigSide = 400;
constexpr int kAttempts = 2;

struct Figures {
    double seconds = 0;
    double peakMib = 0;
};

bool WriteStamp(const QString& folder) {
    QFile file(folder + QStringLiteral("/.complete"));
    return file.open(QIODevice::WriteOnly);
}

// 10,000 distinct tiles of a drawn landscape.
bool BuildLevelOnce(const QString& atlas) {
    const QString level = atlas + QStringLiteral("/12");
    if (QFile::exists(level + QStringLiteral("/.complete")))
        return true;
    std::printf("Building a level of %d x %d tiles in %s (once)...\n", kLevelSide, kLevelSide,
                qPrintable(level));
    std::fflush(stdout);
    QDir(level).removeRecursively();
    AtlasBuilder::Level spec{QStringLiteral("12"), kLevelSide, kLevelSide};
    spec.calibration = false;
    return AtlasBuilder::WriteLevel(atlas, spec) && WriteStamp(level);
}

// 160,000 tiles, hard links to 64 pictures of the small level.
bool BuildBigLevelOnce(const QString& atlas) {
    const QString level = atlas + QStringLiteral("/13");
    if (QFile::exists(level + QStringLiteral("/.complete")))
        return true;
    std::printf("Building a level of %d x %d tiles in %s (once)...\n", kBigSide, kBigSide, qPrintable(level));
    std::fflush(stdout);
    QDir(level).removeRecursively();
    std::vector<QImage> pictures;
    for (int i = 0; i < 64; ++i)
        pictures.emplace_back(
            QStringLiteral("%1/12/set/t_%2_%3.jpg").arg(atlas).arg(i % 8 * 256).arg(i / 8 * 256));
    return AtlasBuilder::WriteLinkedLevel(level, kBigSide, kBigSide, pictures) && WriteStamp(level);
}

double PeakMib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// The reference: one thread, each tile decoded at 80 x 80 into one image of the whole level.
bool MakeReference(const QString& level) {
    QImage pan(kLevelSide * 80, kLevelSide * 80, QImage::Format_RGB32);
    pan.fill(Qt::black);
    QPainter painter(&pan);
    for (int row = 0; row < kLevelSide; ++row) {
        for (int column = 0; column < kLevelSide; ++column) {
            QImageReader reader(
                QStringLiteral("%1/set/t_%2_%3.jpg").arg(level).arg(column * 256).arg(row * 256));
            reader.setScaledSize(QSize(80, 80));
            painter.drawImage(column * 80, row * 80, reader.read());
        }
    }
    painter.end();
    return pan.save(level + QStringLiteral("/reference.jpg"));
}

// The child: makes one image and prints "<seconds> <peak MiB>".
int RunChild(const QString& what, const QString& level) {
    QElapsedTimer timer;
    timer.start();
    bool made = false;
    if (what == QStringLiteral("reference"))
        made = MakeReference(level);
    else
        made = MakePanImage(LookAtPanLevel(level), [](int) {}).isEmpty();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%.3f %.1f\n", seconds, PeakMib());
    return made ? 0 : 1;
}

std::optional<Figures> Measure(const QString& what, const QString& level) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), what, level});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::printf("%s failed: %s\n", qPrintable(what), child.readAllStandardError().constData());
        return std::nullopt;
    }
    const QList<QByteArray> numbers = child.readAllStandardOutput().trimmed().split(' ');
    Figures figures{numbers.value(0).toDouble(), numbers.value(1).toDouble()};
    std::printf("%-10s %s: %.2f s, peak %.1f MiB\n", qPrintable(what), qPrintable(QDir(level).dirName()),
                figures.seconds, figures.peakMib);
    std::fflush(stdout);
    return figures;
}

// The best of a few runs, alternating the two makers so that both meet the same machine load.
bool CompareOnSmallLevel(const QString& level, Figures& ours, Figures& reference) {
    ours.seconds = reference.seconds = 1e9;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::optional<Figures> a = Measure(QStringLiteral("pan_maker"), level);
        const std::optional<Figures> b = Measure(QStringLiteral("reference"), level);
        if (!a || !b)
            return false;
        ours = {std::min(ours.seconds, a->seconds), std::max(ours.peakMib, a->peakMib)};
        reference = {std::min(reference.seconds, b->seconds), std::max(reference.peakMib, b->peakMib)};
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QStringLiteral("--child"))
        return RunChild(arguments.value(2), arguments.value(3));

    const QString atlas = arguments.value(1, QDir::tempPath() + QStringLiteral("/tarnwell-bench-pan"));
    if (!BuildLevelOnce(atlas) || !BuildBigLevelOnce(atlas)) {
        std::printf("could not build the levels in %s\n", qPrintable(atlas));
        return 1;
    }
    Figures ours, reference;
    if (!CompareOnSmallLevel(atlas + QStringLiteral("/12"), ours, reference))
        return 1;
    const std::optional<Figures> big = Measure(QStringLiteral("pan_maker"), atlas + QStringLiteral("/13"));
    if (!big)
        return 1;
    std::printf("pan_maker ratio: %.3f\n", ours.seconds / reference.seconds);
    std::printf("pan_maker peak_mib: %.1f\n", ours.peakMib);
    std::printf("pan_maker big_seconds: %.2f\n", big->seconds);
    std::printf("pan_maker big_peak_mib: %.1f\n", big->peakMib);
    return 0;
}
