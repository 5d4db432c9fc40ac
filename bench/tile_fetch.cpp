// Measures DownloadTile against curl: both fetch the same 200 tiles one after another from the loopback tile
// server over HTTPS into a cache folder, curl in one process that keeps its connection. Each takes the best
// of interleaved rounds, each run against a fresh server so both start with a new connection. Usage:
// tile_fetch [work folder]

#include "loopback_tile_server.h"
#include "osm/tile_downloader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 10;
constexpr int kRounds = 9;

struct Tile {
    QString urlPath; // "16/<x>/<y>.png"
    QString name;    // "16-<x>-<y>.png"
    QByteArray png;
};

// A street-map tile of its own for every column and row: land use, buildings, roads with casings and names,
// so that it compresses like a real one.
QByteArray DrawTile(int x, int y) {
    QRandomGenerator random(quint32(x * 7919 + y));
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(QColor(0xf2, 0xef, 0xe9));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto point = [&random] { return QPointF(random.bounded(-40, 296), random.bounded(-40, 296)); };
    const QColor areas[] = {{0xad, 0xd1, 0x9e}, {0xaa, 0xd3, 0xdf}, {0xe0, 0xdf, 0xdf}, {0xc8, 0xfa, 0xcc}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(areas[random.bounded(4)]);
        p.drawPolygon(QPolygonF{point(), point(), point(), point(), point()});
    }
    p.setPen(QPen(QColor(0xc4, 0xb6, 0xab), 1));
    p.setBrush(QColor(0xd9, 0xd0, 0xc9));
    for (int i = 0; i < 8; ++i) {
        const QPointF corner = point();
        p.save();
        p.translate(corner);
        p.rotate(random.bounded(90));
        p.drawRect(QRectF(0, 0, random.bounded(6, 22), random.bounded(6, 22)));
        p.restore();
    }
    QPainterPath roads;
    for (int i = 0; i < 2; ++i) {
        roads.moveTo(point());
        roads.cubicTo(point(), point(), point());
    }
    p.setBrush(Qt::NoBrush);
    p.strokePath(roads, QPen(QColor(0xb0, 0x90, 0x50), 9, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(roads, QPen(QColor(0xfc, 0xd6, 0xa4), 6, Qt::SolidLine, Qt::RoundCap));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(0x33, 0x33, 0x33));
    for (int i = 0; i < 4; ++i)
        p.drawText(point(), QStringLiteral("Road %1-%2").arg(x).arg(y * 4 + i));
    p.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

std::vector<Tile> DrawTiles() {
    std::vector<Tile> tiles;
    for (int y = 20000; y < 20000 + kRows; ++y)
        for (int x = 30000; x < 30000 + kColumns; ++x)
            tiles.push_back({QStringLiteral("16/%1/%2.png").arg(x).arg(y),
                             QStringLiteral("16-%1-%2.png").arg(x).arg(y), DrawTile(x, y)});
    return tiles;
}

LoopbackTileServer& ServeTiles(std::unique_ptr<LoopbackTileServer>& server, const std::vector<Tile>& tiles) {
    server = std::make_unique<LoopbackTileServer>(LoopbackTileServer::Certificate::Valid);
    for (const Tile& tile : tiles)
        server->SetAnswer('/' + tile.urlPath.toLatin1(),
                          {200, tile.png, LoopbackTileServer::Fault::None, {}});
    return *server;
}

bool SameFiles(const QString& folder, const std::vector<Tile>& tiles) {
    return std::all_of(tiles.begin(), tiles.end(), [&folder](const Tile& tile) {
        QFile file(folder + '/' + tile.name);
        return file.open(QIODevice::ReadOnly) && file.readAll() == tile.png;
    });
}

double OursSeconds(const QString& base, const QString& folder, const std::vector<Tile>& tiles) {
    QElapsedTimer timer;
    timer.start();
    for (const Tile& tile : tiles)
        DownloadTile(base + tile.urlPath, folder + '/' + tile.name);
    return timer.nsecsElapsed() / 1e9;
}

double CurlSeconds(const QString& base, const QString& folder, const std::vector<Tile>& tiles) {
    QFile config(folder + QStringLiteral("/../curl.config"));
    config.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const Tile& tile : tiles)
        config.write(QStringLiteral("url = \"%1%2\"\noutput = \"%3/%4\"\n")
                         .arg(base, tile.urlPath, folder, tile.name)
                         .toUtf8());
    config.close();
    QProcess curl;
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"),
               {QStringLiteral("--silent"), QStringLiteral("--show-error"), QStringLiteral("--noproxy"),
                QStringLiteral("*"), QStringLiteral("--cacert"),
                QStringLiteral(TARNWELL_TEST_CERTIFICATES "/ca.pem"), QStringLiteral("--config"),
                config.fileName()});
    if (!curl.waitForFinished(120000) || curl.exitCode() != 0) {
        std::printf("curl failed: %s\n", curl.readAllStandardError().constData());
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir temp;
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    const std::vector<Tile> tiles = DrawTiles();
    if (tiles.front().png.isEmpty()) {
        std::printf("cannot draw the tiles\n");
        return 1;
    }
    qint64 bytes = 0;
    const auto [smallest, largest] = std::minmax_element(
        tiles.begin(), tiles.end(), [](const Tile& a, const Tile& b) { return a.png.size() < b.png.size(); });
    for (const Tile& tile : tiles)
        bytes += tile.png.size();
    std::printf("%zu tiles of %.1f KB on average (%.1f to %.1f KB)\n", tiles.size(),
                bytes / 1024.0 / tiles.size(), smallest->png.size() / 1024.0, largest->png.size() / 1024.0);

    double ours = 1e9;
    double curl = 1e9;
    for (int round = 1; round <= kRounds; ++round) {
        const QString oursFolder = QStringLiteral("%1/ours%2").arg(work).arg(round);
        const QString curlFolder = QStringLiteral("%1/curl%2").arg(work).arg(round);
        QDir().mkpath(oursFolder);
        QDir().mkpath(curlFolder);
        // Each side starts with a fresh server and connection; who goes first alternates.
        std::unique_ptr<LoopbackTileServer> server;
        double oursRound = 0;
        double curlRound = 0;
        for (int turn = 0; turn < 2; ++turn) {
            const QString base = ServeTiles(server, tiles).BaseUrl();
            if ((turn + round) % 2 == 0)
                oursRound = OursSeconds(base, oursFolder, tiles);
            else
                curlRound = CurlSeconds(base, curlFolder, tiles);
        }
        if (curlRound < 0 || !SameFiles(oursFolder, tiles) || !SameFiles(curlFolder, tiles)) {
            std::printf("round %d: the fetched files differ from the served tiles\n", round);
            return 1;
        }
        std::printf("round %d: DownloadTile %.0f tiles/s, curl %.0f tiles/s\n", round,
                    tiles.size() / oursRound, tiles.size() / curlRound);
        std::fflush(stdout);
        ours = std::min(ours, oursRound);
        curl = std::min(curl, curlRound);
    }
    std::printf("best: DownloadTile %.0f tiles/s, curl %.0f tiles/s\n", tiles.size() / ours,
                tiles.size() / curl);
    std::printf("tile_fetch ratio: %.2f\n", curl / ours);
    return 0;
}
