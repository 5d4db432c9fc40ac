#pragma once

#include <QStringList>

class QFont;
class QPainter;

// The note both maps write when no tile folder is set.
const QStringList& NoTileFolderLines();

// Writes a note of several lines over the map at its usual place: x = 5, the first line at y = 100 and each
// further line 50 pixels lower.
void DrawMapNote(QPainter& painter, const QStringList& lines, const QFont& font);
