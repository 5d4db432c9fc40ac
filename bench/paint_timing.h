#pragma once

// Timing helpers of the paint benchmarks: a paint into an image beside one thread decoding the same tiles.

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

// Milliseconds `draw` takes to paint the whole of `target`.
template <typename Draw> double PaintMs(QImage& target, Draw draw) {
    QElapsedTimer timer;
    timer.start();
    QPainter painter(&target);
    draw(painter, target.rect());
    painter.end();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Milliseconds one thread needs to decode `paths` one after another.
inline double DecodeMs(const QStringList& paths) {
    QElapsedTimer timer;
    timer.start();
    for (const QString& path : paths) {
        if (QImageReader(path).read().isNull())
            std::printf("could not decode %s\n", qPrintable(path));
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values)
        sum += value;
    return values.empty() ? 0 : sum / double(values.size());
}

// Tries of each side per position: a shared machine slows single tries at random, so the best one counts.
inline constexpr int kAttempts = 5;

// The best of kAttempts interleaved tries of the paint and of decoding `paths`, in milliseconds: both sides
// see the same conditions.
template <typename Draw>
std::pair<double, double> BestPaintAndDecodeMs(QImage& target, Draw draw, const QStringList& paths) {
    double paintMs = 1e9, decodeMs = 1e9;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        paintMs = std::min(paintMs, PaintMs(target, draw));
        decodeMs = std::min(decodeMs, DecodeMs(paths));
    }
    return {paintMs, decodeMs};
}

// The benchmark's work folder (its first argument, else `fallback` in the temporary folder), with a settings
// store of the benchmark's own in it, so the user's atlas setting stays as it is.
inline QString BenchWorkFolder(int argc, char** argv, const char* fallback) {
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QDir::tempPath() + QLatin1Char('/') + QLatin1String(fallback);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work + QStringLiteral("/config"));
    return work;
}
