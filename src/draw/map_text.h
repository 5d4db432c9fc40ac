#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QFont;
class QPainter;

// Draws `text` in white on an opaque black cell whose top-left corner is `topLeft`, the way the map writes
// its zoom number, status line and notes.
void DrawMapText(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font);

// Draws `lines` one under another at x = `x`, the first at y = `firstY`, `spacing` pixels apart.
void DrawMapLines(QPainter& painter, int x, int firstY, int spacing, const QStringList& lines,
                  const QFont& font);
