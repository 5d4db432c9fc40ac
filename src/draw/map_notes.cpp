#include "draw/map_notes.h"

#include "draw/map_text.h"

const QStringList& NoTileFolderLines() {
    static const QStringList lines = {
        QStringLiteral("Unable to find a tile folder for this zoom level."),
        QStringLiteral("Check that the default Trekbuddy atlas folder"),
        QStringLiteral("is set to the correct folder and that there is "),
        QStringLiteral("a subfolder for the current zoom level. "),
    };
    return lines;
}

void DrawMapNote(QPainter& painter, const QStringList& lines, const QFont& font) {
    DrawMapLines(painter, 5, 100, 50, lines, font);
}
