#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

class QPainter;

// A tile file and where its top-left corner goes on the surface.
struct TilePicture {
    QPoint at;
    QString path;
};

// Decodes the tile file `path` under the safe-read rules. A null image when the file is not a picture that
// can be decoded or is far beyond any tile's size.
QImage DecodeTilePicture(const QString& path);

// Draws the tiles at their own size in the given order, each file read afresh; returns how many could be
// drawn. The files are decoded on all cores first, so the picture is the one a tile-by-tile paint gives.
int DrawTilePictures(QPainter& painter, const std::vector<TilePicture>& tiles);
