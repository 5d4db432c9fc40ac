#include "atlas/atlas_click.h"

#include "atlas/atlas_moves.h"
#include "atlas/calibration.h"
#include "atlas/level_steps.h"
#include "atlas/position_clamp.h"
#include "state/map_state.h"

#include <array>

namespace {

constexpr int kStripHeight = 32;
constexpr int kPanCell = 80;
constexpr int kDefaultViewSide = 600;

AtlasClickResult Step(const LevelStep& step) {
    return {false, step.title};
}

struct StripButton {
    int left;
    int right;
    AtlasClickResult (*action)();
};

template <void (*move)()> AtlasClickResult Move() {
    move();
    return {};
}

AtlasClickResult ShowPanView() {
    g_bPanView = 1;
    g_bMoved = 1;
    return {};
}

// Open ranges, tried in this order; the first that holds the click acts.
const std::array<StripButton, 8> kStripButtons{{
    {126, 158, [] { return Step(AtlasZoomIn()); }},
    {159, 192, [] { return Step(AtlasZoomOut()); }},
    {278, 310, Move<MoveAtlasLeft>},
    {310, 342, Move<MoveAtlasUp>},
    {342, 374, Move<MoveAtlasDown>},
    {374, 406, Move<MoveAtlasRight>},
    {218, 271, ShowPanView},
    {1, 78,
     [] {
         return AtlasClickResult{true, std::nullopt};
     }},
}};

AtlasClickResult OnStripClick(int x) {
    for (const StripButton& button : kStripButtons) {
        if (button.left < x && x < button.right)
            return button.action();
    }
    return {};
}

// The pan image column or row under a click `offset` pixels into the shown image.
qint32 PanImagePixel(float offset, float shownSide, qint32 imageSide) {
    if (offset > shownSide)
        return imageSide;
    return TruncateToTile(offset / shownSide * float(imageSide));
}

void OnPanClick(const QSize& client, const QPoint& point) {
    g_bPanView = 0;
    g_bMoved = 1;
    const int width = client.width() != 0 ? client.width() : kDefaultViewSide;
    const int height = client.height() != 0 ? client.height() : kDefaultViewSide;
    if (g_fPanShownWidth == 0.0f)
        g_fPanShownWidth = float(width);
    if (g_fPanShownHeight == 0.0f)
        g_fPanShownHeight = float(height);
    g_nTbX = PanImagePixel(float(point.x()), g_fPanShownWidth, g_nPanImageWidth) / kPanCell;
    g_nTbY = PanImagePixel(float(point.y() - kStripHeight), g_fPanShownHeight, g_nPanImageHeight) / kPanCell;
    ReadCalibration();
    g_bMoved = 0;
}

} // namespace

AtlasClickResult OnAtlasClick(const QPoint& point, const QSize& client) {
    if (point.y() < kStripHeight)
        return OnStripClick(point.x());
    if (point.y() > kStripHeight && g_bPanView == 1)
        OnPanClick(client, point);
    return {};
}
