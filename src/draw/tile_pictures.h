#pragma once

#include "platform/safe_file.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class TileDecodeQueue;

// A tile's bytes and where its top-left corner goes on the surface.
struct TilePicture {
    QPoint at;
    FileRange file;

    bool operator==(const TilePicture&) const = default;
};

// Decodes the tile in `file` under the safe-read rules. A null image when it is not a picture that can be
// decoded or is far beyond any tile's size.
QImage DecodeTilePicture(const FileRange& file);

// Tile files decoding on all cores from the moment this is made, so a paint can start them before it makes
// its back buffer; Draw hands them to the painter in the given order as each is done. Dropped before Draw,
// it ends once the tiles in hand are done.
class TileDecoding {
public:
    explicit TileDecoding(std::vector<TilePicture> tiles);
    ~TileDecoding();
    TileDecoding(const TileDecoding&) = delete;
    TileDecoding& operator=(const TileDecoding&) = delete;

    // Draws the tiles at their own size, each file read afresh; returns how many could be drawn. Once only.
    int Draw(QPainter& painter);

    // The tiles, in drawing order.
    const std::vector<TilePicture>& Tiles() const { return m_tiles; }

private:
    std::vector<TilePicture> m_tiles;
    std::unique_ptr<TileDecodeQueue> m_queue;
};

// Draws the tiles at their own size in the given order, each file read afresh; returns how many could be
// drawn. The files are decoded on all cores first, so the picture is the one a tile-by-tile paint gives.
int DrawTilePictures(QPainter& painter, std::vector<TilePicture> tiles);
