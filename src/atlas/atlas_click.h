#pragma once

#include <QPoint>

class CTarnwellView;

// A left click on the Trekbuddy map at `point` (view coordinates): the button strip, or a jump through the pan
// image while that is shown.
void OnAtlasClick(CTarnwellView* view, const QPoint& point);
