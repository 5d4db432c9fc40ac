#include "atlas_builder.h"

#include "tar_writer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>
#include <unistd.h>

namespace AtlasBuilder {
namespace {

// Paints the imaginary landscape of the sample atlas onto a surface of `size` that spans the whole level.
void PaintLandscape(QPainter& p, const QSizeF& size) {
    p.save();
    p.scale(size.width(), size.height());
    p.fillRect(QRectF(0, 0, 1, 1), QColor(0xf2, 0xef, 0xe9));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xad, 0xd1, 0x9e));
    p.drawEllipse(QRectF(0.05, 0.55, 0.30, 0.30));
    p.drawEllipse(QRectF(0.62, 0.08, 0.25, 0.20));
    p.setBrush(QColor(0xaa, 0xd3, 0xdf));
    p.drawEllipse(QRectF(0.70, 0.60, 0.18, 0.12));

    QPainterPath river(QPointF(0.0, 0.35));
    river.cubicTo(QPointF(0.3, 0.15), QPointF(0.5, 0.65), QPointF(1.0, 0.45));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x7f, 0xb3, 0xd5), 0.012));
    p.drawPath(river);

    const QPen casing(QColor(0xb0, 0x90, 0x50), 0.008);
    const QPen road(QColor(0xfc, 0xd6, 0xa4), 0.005);
    const QLineF roads[] = {{0.0, 0.8, 1.0, 0.2}, {0.45, 0.0, 0.55, 1.0}, {0.0, 0.12, 1.0, 0.18}};
    for (const QPen& pen : {casing, road}) {
        p.setPen(pen);
        for (const QLineF& line : roads)
            p.drawLine(line);
    }
    p.restore();
}

// A town quarter over a tile, different for every seed: crooked streets with their names, and blocks of
// houses, as the tiles of a web map show them.
void PaintTown(QPainter& p, quint32 seed) {
    QRandomGenerator random(seed);
    auto at = [&random](int span) { return qreal(random.bounded(span)); };
    for (int i = 0; i < 30; ++i) {
        p.setPen(QPen(QColor(0xb0, 0x9a, 0x90), 1));
        p.setBrush(QColor(0xd9, 0xd0, 0xc9));
        p.save();
        p.translate(at(256), at(256));
        p.rotate(at(90));
        p.drawRect(QRectF(0, 0, 6 + at(14), 6 + at(12)));
        p.restore();
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    const char* names[] = {"Mill Lane", "High Street", "Church Road", "Station Road", "Bridge Street"};
    for (int i = 0; i < 4; ++i) {
        const QPointF from(at(256), at(256)), to(at(256), at(256));
        p.setPen(QPen(QColor(0xbb, 0xbb, 0xbb), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(QColor(0x55, 0x55, 0x55));
        p.drawText((from + to) / 2, QString::fromLatin1(names[random.bounded(5)]));
    }
}

QImage Tile(const Level& level, int column, int row, QSizeF levelSize, const QString& zoomLabel) {
    QImage tile(level.tileSize, QImage::Format_RGB32);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-column * level.tileSize.width(), -row * level.tileSize.height());
    PaintLandscape(p, levelSize);
    p.resetTransform();
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 1, Qt::DashLine));
    p.drawRect(0, 0, level.tileSize.width() - 1, level.tileSize.height() - 1);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(8, level.tileSize.height() / 10));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(tile.rect(), Qt::AlignCenter,
               QStringLiteral("%1\ncolumn %2, row %3").arg(zoomLabel).arg(column).arg(row));
    return tile;
}

QString Angle(double value, char positive, char negative) {
    const char hemisphere = value < 0 ? negative : positive;
    const double magnitude = std::fabs(value);
    const int degrees = int(magnitude);
    return QString::asprintf("%4d,%9.4f,%c", degrees, (magnitude - degrees) * 60.0, hemisphere);
}

QString PointLine(int number, int x, int y, double lat, double lon) {
    return QString::asprintf("Point%02d,xy,%5d,%5d,in, deg,", number, x, y) + Angle(lat, 'N', 'S') +
           QLatin1Char(',') + Angle(lon, 'W', 'E') + QStringLiteral(", grid,   ,           ,           ,N\n");
}

bool Save(const QImage& image, const QString& path) {
    return image.save(path, nullptr, 90);
}

} // namespace

QString CalibrationText(const QString& imageName, int width, int height, const Corners& c) {
    QString text =
        QStringLiteral("OziExplorer Map Data File Version 2.2\n%1\n%1\n1 ,Map Code,\n"
                       "WGS 84,WGS 84,   0.0000,   0.0000,WGS 84\nReserved 1\nReserved 2\n"
                       "Magnetic Variation,,,E\n"
                       "Map Projection,Latitude/Longitude,PolyCal,No,AutoCalOnly,No,BSBUseWPX,No\n")
            .arg(imageName);
    text += PointLine(1, 0, 0, c.north, c.west);
    text += PointLine(2, width - 1, 0, c.north, c.east);
    text += PointLine(3, width - 1, height - 1, c.south, c.east);
    text += PointLine(4, 0, height - 1, c.south, c.west);
    text += QStringLiteral(
        "Projection Setup,,,,,,,,,,\nMap Feature = MF ; Map Comment = MC     These follow if they "
        "exist\nFonts\nMMPNUM,4\n");
    text += QStringLiteral("IWH,Map Image Width/Height,%1,%2\n").arg(width).arg(height);
    return text;
}

bool WriteLevel(const QString& atlasFolder, const Level& level, const Corners& corners) {
    const QString folder = atlasFolder + QLatin1Char('/') + level.folderName;
    if (!QDir().mkpath(folder + QStringLiteral("/set")))
        return false;
    const int width = level.columns * level.tileSize.width();
    const int height = level.rows * level.tileSize.height();
    const QSizeF levelSize(width, height);
    const QString label = QStringLiteral("Level ") + level.folderName.right(2);
    for (int row = 0; row < level.rows; ++row) {
        for (int column = 0; column < level.columns; ++column) {
            const QString name = QStringLiteral("%1/set/%2%3_%4.%5")
                                     .arg(folder, level.prefix)
                                     .arg(column * level.tileSize.width())
                                     .arg(row * level.tileSize.height())
                                     .arg(level.extension);
            if (!Save(Tile(level, column, row, levelSize, label), name))
                return false;
        }
    }
    if (level.calibration) {
        QFile map(folder + QLatin1Char('/') + level.folderName + QStringLiteral(".map"));
        if (!map.open(QIODevice::WriteOnly | QIODevice::Text))
            return false;
        QTextStream(&map) << CalibrationText(level.folderName + QStringLiteral(".png"), width, height,
                                             corners);
    }
    if (level.pan) {
        QImage pan(level.columns * 80, level.rows * 80, QImage::Format_RGB32);
        QPainter p(&pan);
        PaintLandscape(p, pan.size());
        p.end();
        if (!Save(pan, folder + QStringLiteral("/pan.jpg")))
            return false;
    }
    return true;
}

QImage LandscapeTile(int column, int row, int columns, int rows) {
    const Level level{QStringLiteral("12"), columns, rows};
    QImage tile = Tile(level, column, row, QSizeF(columns * 256, rows * 256), QStringLiteral("Level 12"));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    PaintTown(p, uint(column * 7919 + row * 104729));
    return tile;
}

bool WriteLinkedLevel(const QString& levelFolder, int columns, int rows, const std::vector<QImage>& pictures,
                      const QString& extension) {
    const QString set = levelFolder + QStringLiteral("/set");
    if (!QDir().mkpath(set) || pictures.empty())
        return false;
    const QSize size = pictures.front().size();
    QStringList originals;
    for (size_t i = 0; i < pictures.size(); ++i) {
        originals << QStringLiteral("%1/picture%2.%3").arg(levelFolder).arg(i).arg(extension);
        if (!Save(pictures[i], originals.back()))
            return false;
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QString tile = QStringLiteral("%1/t_%2_%3.%4")
                                     .arg(set)
                                     .arg(column * size.width())
                                     .arg(row * size.height())
                                     .arg(extension);
            const QString& original = originals[(row * columns + column) % originals.size()];
            if (::link(QFile::encodeName(original).constData(), QFile::encodeName(tile).constData()) != 0)
                return false;
        }
    }
    return true;
}

std::vector<Level> SampleLevels() {
    Level coarse{QStringLiteral("Sample 11"), 4, 3};
    Level middle{QStringLiteral("12"), 8, 6};
    Level fine{QStringLiteral("Sample 13"), 16, 12};
    for (Level* level : {&coarse, &middle, &fine})
        level->pan = true;
    return {coarse, middle, fine};
}

bool TarLevel(const QString& levelFolder, bool tmi) {
    QDir level(levelFolder);
    QStringList members = level.entryList({QStringLiteral("*.map")}, QDir::Files, QDir::Name);
    for (const QString& tile : QDir(levelFolder + QStringLiteral("/set")).entryList(QDir::Files, QDir::Name))
        members.append(QStringLiteral("set/") + tile);
    QFile archive(levelFolder + QLatin1Char('/') + level.dirName() + QStringLiteral(".tar"));
    if (!archive.open(QIODevice::WriteOnly))
        return false;
    QByteArray index;
    for (const QString& member : members) {
        QFile file(levelFolder + QLatin1Char('/') + member);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray data = file.readAll();
        const QByteArray name = member.toUtf8();
        index += "block " + QByteArray::number(archive.pos() / 512) + ": " + name + "\n";
        const QByteArray bytes =
            TarWriter::Header(name, data.size()) + data + QByteArray((512 - data.size() % 512) % 512, '\0');
        if (archive.write(bytes) != bytes.size())
            return false;
    }
    if (archive.write(QByteArray(1024, '\0')) != 1024 || !archive.flush())
        return false;
    if (tmi) {
        QFile file(levelFolder + QLatin1Char('/') + level.dirName() + QStringLiteral(".tmi"));
        if (!file.open(QIODevice::WriteOnly) || file.write(index) != index.size())
            return false;
    }
    for (const QString& map : level.entryList({QStringLiteral("*.map")}, QDir::Files))
        level.remove(map);
    return QDir(levelFolder + QStringLiteral("/set")).removeRecursively();
}

} // namespace AtlasBuilder
