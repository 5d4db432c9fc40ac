#include "draw/button_strip.h"

#include "state/map_state.h"

#include <QImage>
#include <QPainter>

namespace {

// The pictures never change while the program runs, so they are decoded once rather than at every paint.
const std::array<QImage, kButtonStrip.size()>& StripImages() {
    static const std::array<QImage, kButtonStrip.size()> images = [] {
        std::array<QImage, kButtonStrip.size()> loaded;
        for (std::size_t i = 0; i < kButtonStrip.size(); ++i)
            loaded[i] = QImage(QString::fromLatin1(kButtonStrip[i].picture));
        return loaded;
    }();
    return images;
}

} // namespace

void DrawButtonStrip(QPainter& painter) {
    const std::array<QImage, kButtonStrip.size()>& images = StripImages();
    for (std::size_t i = 0; i < kButtonStrip.size(); ++i)
        painter.drawImage(kButtonStrip[i].x, 0, images[i]);
}

std::optional<StripAction> StripButtonAt(const QPoint& point) {
    if (point.y() >= kStripHeight)
        return std::nullopt;
    for (const StripButton& button : kButtonStrip) {
        if (button.left < point.x() && point.x() < button.right)
            return button.action;
    }
    return std::nullopt;
}

bool MoveOnStrip(StripAction action, const StripMoves& moves) {
    const std::pair<StripAction, void (*)()> arrows[] = {{StripAction::Left, moves.left},
                                                         {StripAction::Up, moves.up},
                                                         {StripAction::Down, moves.down},
                                                         {StripAction::Right, moves.right}};
    for (const auto& [arrow, move] : arrows) {
        if (arrow == action) {
            move();
            return true;
        }
    }
    if (action != StripAction::Pan)
        return false;
    g_bPanView = 1;
    g_bMoved = 1;
    return true;
}
