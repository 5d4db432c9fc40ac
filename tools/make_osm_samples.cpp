// Draws the sample pictures of the tile-server dialog, one 256 x 256 PNG per map style, into a folder (the
// program's src/res). Usage: make_osm_samples <folder>. The pictures are our own drawings of each style's
// look, not tiles of the services.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Style {
    const char* name;
    QColor ground, green, water, casing, road, text;
    std::function<void(QPainter&)> extra; // what sets the style apart, drawn over the base map
};

const QLineF kRoads[] = {{0, 200, 256, 60}, {110, 0, 140, 256}, {0, 40, 256, 70}};

void DrawBase(QPainter& p, const Style& s) {
    p.fillRect(0, 0, 256, 256, s.ground);
    p.setPen(Qt::NoPen);
    p.setBrush(s.green);
    p.drawEllipse(QRectF(10, 130, 80, 90));
    p.drawRect(QRectF(170, 150, 70, 50));
    p.setBrush(s.water);
    QPainterPath lake(QPointF(160, 10));
    lake.cubicTo(QPointF(250, 0), QPointF(256, 90), QPointF(190, 110));
    lake.cubicTo(QPointF(150, 100), QPointF(140, 40), QPointF(160, 10));
    p.drawPath(lake);
    for (const auto& [pen, width] : {std::pair{s.casing, 9.0}, std::pair{s.road, 6.0}}) {
        p.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
        for (const QLineF& line : kRoads)
            p.drawLine(line);
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(s.text);
    p.drawText(QPointF(20, 120), QStringLiteral("Millbrook"));
    p.drawText(QPointF(175, 230), QStringLiteral("Eastfield"));
}

void DrawRoute(QPainter& p, const QColor& colour, qreal width, Qt::PenStyle style,
               const std::vector<QPointF>& points) {
    p.setPen(QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points.data(), int(points.size()));
}

void Contours(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 5; ++ring) {
        p.setPen(QPen(QColor(0xb0, 0x80, 0x50), ring == 5 ? 1.5 : 0.8));
        p.drawEllipse(QPointF(70, 70), ring * 14.0, ring * 10.0);
    }
    p.setPen(Qt::black);
    p.drawText(QPointF(58, 74), QStringLiteral("\u25b2 812"));
}

void CycleRoutes(QPainter& p) {
    DrawRoute(p, QColor(0x80, 0x30, 0xc0, 200), 4, Qt::SolidLine,
              {{0, 150}, {80, 120}, {150, 180}, {256, 170}});
    DrawRoute(p, QColor(0x20, 0x60, 0xe0), 2, Qt::DashLine, {{30, 0}, {60, 90}, {40, 256}});
}

void TransportLines(QPainter& p) {
    DrawRoute(p, QColor(0xd0, 0x20, 0x20), 4, Qt::SolidLine, {{0, 100}, {120, 110}, {256, 140}});
    DrawRoute(p, QColor(0x20, 0x80, 0x20), 4, Qt::SolidLine, {{60, 0}, {100, 120}, {90, 256}});
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    for (const QPointF& stop : {QPointF(40, 102), QPointF(101, 110), QPointF(200, 128), QPointF(94, 200)})
        p.drawEllipse(stop, 4, 4);
}

void HikingTrails(QPainter& p) {
    DrawRoute(p, QColor(0xe0, 0x10, 0x10, 220), 5, Qt::SolidLine,
              {{0, 60}, {90, 90}, {130, 200}, {256, 230}});
    DrawRoute(p, QColor(0xf0, 0x90, 0x00, 220), 4, Qt::SolidLine, {{200, 0}, {170, 120}, {130, 200}});
    p.setPen(QColor(0xa0, 0x10, 0x10));
    p.drawText(QPointF(150, 150), QStringLiteral("Ridge Way"));
}

void HumanitarianPoints(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x80, 0xd0));
    p.drawEllipse(QPointF(60, 60), 5, 5); // a water point
    p.setBrush(QColor(0xd0, 0x70, 0x40));
    p.drawRect(QRectF(190, 190, 14, 14)); // a public building
}

const QColor kTransparent(0, 0, 0, 0);

std::vector<Style> Styles() {
    return {
        {"standard",
         {0xf2, 0xef, 0xe9},
         {0xad, 0xd1, 0x9e},
         {0xaa, 0xd3, 0xdf},
         {0xc0, 0x90, 0x50},
         {0xfc, 0xd6, 0xa4},
         {0x33, 0x33, 0x33},
         nullptr},
        {"cycle",
         {0xf6, 0xf4, 0xee},
         {0xc8, 0xe0, 0xb8},
         {0xb0, 0xd8, 0xe8},
         {0xbb, 0xbb, 0xbb},
         {0xff, 0xff, 0xff},
         {0x44, 0x44, 0x44},
         CycleRoutes},
        {"humanitarian",
         {0xf8, 0xf1, 0xe6},
         {0xdd, 0xea, 0xd0},
         {0xc8, 0xe0, 0xf0},
         {0xd8, 0xb8, 0x98},
         {0xf4, 0xe8, 0xd8},
         {0x66, 0x55, 0x44},
         HumanitarianPoints},
        {"toner", Qt::white, {0xe8, 0xe8, 0xe8}, Qt::black, Qt::black, Qt::black, Qt::black, nullptr},
        {"transport",
         {0xee, 0xee, 0xee},
         {0xd8, 0xe4, 0xd0},
         {0xc0, 0xd4, 0xe0},
         {0xcc, 0xcc, 0xcc},
         {0xfa, 0xfa, 0xfa},
         {0x55, 0x55, 0x55},
         TransportLines},
        {"topo",
         {0xf4, 0xf0, 0xe0},
         {0xb8, 0xd8, 0x9c},
         {0x9c, 0xc8, 0xe8},
         {0x80, 0x60, 0x40},
         {0xf0, 0xc8, 0x70},
         {0x20, 0x20, 0x20},
         Contours},
        {"trails", kTransparent, kTransparent, kTransparent, kTransparent, kTransparent, kTransparent,
         HikingTrails},
    };
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_osm_samples <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const Style& style : Styles()) {
        QImage picture(256, 256, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        DrawBase(p, style);
        if (style.extra)
            style.extra(p);
        p.end();
        const QString path =
            QStringLiteral("%1/osm_sample_%2.png").arg(folder, QString::fromLatin1(style.name));
        if (!picture.convertToFormat(QImage::Format_RGB32).save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
