#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

// What the view must do after a click on the Trekbuddy map, besides repainting it.
struct AtlasClickResult {
    // Run the zoom dialog, then load the level again whatever the user chose.
    bool chooseZoom = false;
    // A level step's new window title.
    std::optional<QString> title;
};

// A left click on the Trekbuddy map at `point` of a view of size `client`: the button strip, or a jump
// through the pan image while that is shown. The view calls it once its map object is set.
AtlasClickResult OnAtlasClick(const QPoint& point, const QSize& client);
