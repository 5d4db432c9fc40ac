#include "atlas/atlas_click.h"

#include "atlas/calibration.h"
#include "atlas/level_folder.h"
#include "atlas/level_steps.h"
#include "atlas/tile_moves.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "state/map_state.h"
#include "view/invalidate.h"
#include "view/tarnwell_view.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int kStripHeight = 32;
constexpr int kPanCell = 80;
constexpr int kDefaultViewSide = 600;

void ShowPanView() {
    g_bPanView = 1;
    g_bMoved = 1;
}

// The zoom dialog may change the zoom; the level is loaded again whatever the user chose.
void ChooseZoom(CTarnwellView* view) {
    CAtlasZoom dialog(view);
    dialog.exec();
    LoadLevel();
}

struct StripButton {
    int left;
    int right;
    void (*action)(CTarnwellView*);
};

// Open ranges, tried in this order; the first that holds the click acts.
const std::array<StripButton, 8> kStripButtons{{
    {126, 158, [](CTarnwellView*) { AtlasZoomIn(); }},
    {159, 192, [](CTarnwellView*) { AtlasZoomOut(); }},
    {278, 310, [](CTarnwellView*) { MoveAtlasLeft(); }},
    {310, 342, [](CTarnwellView*) { MoveAtlasUp(); }},
    {342, 374, [](CTarnwellView*) { MoveAtlasDown(); }},
    {374, 406, [](CTarnwellView*) { MoveAtlasRight(); }},
    {218, 271, [](CTarnwellView*) { ShowPanView(); }},
    {1, 78, ChooseZoom},
}};

void OnStripClick(CTarnwellView* view, int x) {
    for (const StripButton& button : kStripButtons) {
        if (button.left < x && x < button.right) {
            button.action(view);
            return;
        }
    }
}

// Float to int without undefined behaviour: a value that is not a number counts as 0, others are cut to the
// range of an int.
qint32 TruncateToInt(float value) {
    if (!std::isfinite(value))
        return 0;
    if (value >= 2147483648.0f)
        return std::numeric_limits<qint32>::max();
    if (value < -2147483648.0f)
        return std::numeric_limits<qint32>::min();
    return qint32(value);
}

// The pan image column or row under a click `offset` pixels into the shown image.
qint32 PanImagePixel(float offset, float shownSide, qint32 imageSide) {
    if (offset > shownSide)
        return imageSide;
    return TruncateToInt(offset / shownSide * float(imageSide));
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

void OnAtlasClick(CTarnwellView* view, const QPoint& point) {
    if (!view || !view->isVisible() || view->visibleRegion().isEmpty())
        return;
    g_pMapWnd = view;
    const bool mapSet = view->Trekbuddy() != nullptr;
    if (point.y() < kStripHeight) {
        if (mapSet)
            OnStripClick(view, point.x());
    } else if (point.y() > kStripHeight && mapSet && g_bPanView == 1) {
        OnPanClick(view->size(), point);
    }
    InvalidateView();
}
