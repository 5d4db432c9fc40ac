#include "atlas/atlas_moves.h"
#include "atlas/calibration.h"
#include "atlas/level_steps.h"
#include "atlas/pan_maker.h"
#include "atlas/position_clamp.h"
#include "atlas/trekbuddy.h"
#include "draw/button_strip.h"
#include "state/map_state.h"

namespace {

constexpr int kDefaultViewSide = 600;

// Everything but the zoom button finishes with a repaint only.
MapReply OnStripButton(StripAction action) {
    MapReply reply = RepaintReply();
    if (MoveOnStrip(action, {MoveAtlasLeft, MoveAtlasUp, MoveAtlasDown, MoveAtlasRight}))
        return reply;
    if (action == StripAction::Zoom)
        reply.chooseZoom = true;
    else
        reply.title = (action == StripAction::ZoomIn ? AtlasZoomIn() : AtlasZoomOut()).title;
    return reply;
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

MapReply CTrekbuddy::OnClick(const QPoint& point, const QSize& view) {
    if (const std::optional<StripAction> action = StripButtonAt(point))
        return OnStripButton(*action);
    if (point.y() > kStripHeight && g_bPanView == 1)
        OnPanClick(view, point);
    return RepaintReply();
}
