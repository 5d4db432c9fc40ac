#include "view/behind_map.h"

#include "state/map_state.h"
#include "view/invalidate.h"

#include <QWidget>

QWidget* DialogParent() {
    return g_pMapWnd ? g_pMapWnd->window() : nullptr;
}

void BehindMap(quint32 afterwards, const std::function<void()>& show) {
    g_nMapType = kMapTypeDialog;
    show();
    g_nMapType = afterwards;
    InvalidateMapWindow();
}
