#pragma once

#include <QPoint>
#include <QString>

class QImage;
class QPainter;

// The picture in the tile file `path`; a null image when the file is not a picture that can be decoded or is
// far beyond any tile's size.
QImage ReadTilePicture(const QString& path);

// Draws the picture in the tile file `path` at its own size with its top-left at `at`. False, drawing
// nothing, when the file is not a picture that can be decoded or is far beyond any tile's size.
bool DrawTilePicture(QPainter& painter, const QPoint& at, const QString& path);
