#pragma once

#include "draw/map_kind.h"

#include <QSize>
#include <optional>

// Where a Trekbuddy level lies on the globe, from its calibration file's corner points.
struct LevelGeography {
    double top = 0, bottom = 0; // latitudes of the top and bottom edges, north positive
    double left = 0, right = 0; // longitudes of the left and right edges, east positive
    // The file's projection line names "Mercator": latitude follows the Mercator function down the image.
    // Any other projection is taken as linear between the corners.
    bool mercator = false;
    QSize image; // the level's pixels: its tile columns and rows times the tile size
};

// The current level's (g_szAtlasFolder) geography; nothing without a calibration file or without tiles. The
// file is read again only when its name, size or time changes, or the level or its tile size does.
std::optional<LevelGeography> CurrentLevelGeography();

// The place at pixel (x, y) of the level image; nothing outside the image.
std::optional<GeoPosition> LevelPosition(const LevelGeography& level, double x, double y);
