#pragma once

class QPainter;

// Draws the eight pictures of the map's button strip along the top of `painter`'s surface, each at its own
// size: "Zoom", zoom in, zoom out, "Pan" and the four arrows. Their places match the strip's click ranges.
void DrawButtonStrip(QPainter& painter);
