#include "draw/button_strip.h"

#include <QImage>
#include <QPainter>
#include <array>

namespace {

struct StripPicture {
    const char* resource;
    int x;
};

constexpr std::array<StripPicture, 8> kStrip{{{":/strip_zoom.png", 0},
                                              {":/strip_zoom_in.png", 130},
                                              {":/strip_zoom_out.png", 164},
                                              {":/strip_pan.png", 220},
                                              {":/strip_left.png", 278},
                                              {":/strip_up.png", 310},
                                              {":/strip_down.png", 342},
                                              {":/strip_right.png", 374}}};

// The pictures never change while the program runs, so they are decoded once rather than at every paint.
const std::array<QImage, kStrip.size()>& StripImages() {
    static const std::array<QImage, kStrip.size()> images = [] {
        std::array<QImage, kStrip.size()> loaded;
        for (std::size_t i = 0; i < kStrip.size(); ++i)
            loaded[i] = QImage(QString::fromLatin1(kStrip[i].resource));
        return loaded;
    }();
    return images;
}

} // namespace

void DrawButtonStrip(QPainter& painter) {
    const std::array<QImage, kStrip.size()>& images = StripImages();
    for (std::size_t i = 0; i < kStrip.size(); ++i)
        painter.drawImage(kStrip[i].x, 0, images[i]);
}
