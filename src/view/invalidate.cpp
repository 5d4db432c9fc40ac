#include "view/invalidate.h"

#include "state/map_state.h"
#include "view/tarnwell_view.h"

void InvalidateView(bool erase) {
    if (g_pView)
        g_pView->Invalidate(erase);
}

void InvalidateMapWindow() {
    if (g_pMapWnd)
        g_pMapWnd->update();
}
