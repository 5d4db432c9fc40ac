#pragma once

// Timing helpers of the paint benchmarks: a paint into an image beside one thread decoding the same tiles.

#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstdio>
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
