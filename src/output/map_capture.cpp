#include "output/map_capture.h"

#include "draw/tile_pictures.h"
#include "osm/osm_grid.h"
#include "osm/tile_address.h"
#include "output/write_bmp.h"
#include "platform/message_box.h"
#include "state/map_state.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <optional>

namespace {

const QString kFileName = QStringLiteral("new.bmp");
const QString kCheckPathTitle = QStringLiteral("Tarnwell check path");
constexpr int kMaxPathUnits = 500;
const QColor kBackground(165, 230, 25);

// The file beside the program, or nothing after telling the user why there is none.
std::optional<QString> ProgramFilePath(const QString& programFolder) {
    if (programFolder.isEmpty()) {
        ShowMessage(QStringLiteral("Error can't get this program's location folder name."), kCheckPathTitle);
        return std::nullopt;
    }
    const QString path = QDir(programFolder).filePath(kFileName);
    // The limit counts the terminator of the path.
    if (path.size() + 1 > kMaxPathUnits) {
        ShowMessage(
            QStringLiteral("An error occured appending \\new.bmp to the program's folder name.\nTry "
                           "moving the program somewhere where the path is shorter\nso the total length "
                           "of the path and filename is less than 500 bytes."),
            kCheckPathTitle);
        return std::nullopt;
    }
    return path;
}

// An installed program's folder is seldom writable; the user's pictures folder takes the file then.
QString PicturesFilePath() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QDir().mkpath(pictures);
    return QDir(pictures).filePath(kFileName);
}

bool DrawTiles(QPainter& painter, const QSize& clientSize, const TileDrawn& tileDrawn) {
    const QSize grid = TileGrid(clientSize);
    bool complete = true;
    WalkOsmGrid(grid.width(), grid.height(), [&](qint32 x, qint32 y) {
        const QString path = TilePath(qint32(g_nZoom), x, y);
        const QImage tile = DecodeTilePicture(FileRange{path});
        if (tile.isNull())
            return true;
        painter.drawImage(TilePlacement(x, y), tile);
        complete = !tileDrawn || tileDrawn(path);
        return complete;
    });
    return complete;
}

QString Confirmation(bool written, bool besideProgram, const QString& file) {
    if (!written)
        return QStringLiteral("The map was copied to the windows paste buffer only; no file was written. ");
    if (besideProgram)
        return QStringLiteral("Copied the map to a file named new.bmp and to the windows paste buffer. ");
    return QStringLiteral("Copied the map to a file named %1 and to the windows paste buffer. ").arg(file);
}

} // namespace

QString CaptureMap(const QSize& clientSize, const QString& programFolder, const TileDrawn& tileDrawn) {
    const std::optional<QString> programFile = ProgramFilePath(programFolder);
    if (!programFile)
        return {};
    QImage capture(clientSize, QImage::Format_RGB32);
    if (capture.isNull())
        return {};
    capture.fill(kBackground);
    QPainter painter(&capture);
    const bool complete = DrawTiles(painter, clientSize, tileDrawn);
    painter.end();
    if (!complete)
        return {};

    const QFileInfo folder(programFolder);
    const bool besideProgram = folder.isDir() && folder.isWritable();
    const QString file = besideProgram ? *programFile : PicturesFilePath();
    const bool written = writeBMP(capture, file);
    QGuiApplication::clipboard()->setImage(capture);
    return Confirmation(written, besideProgram, file);
}
