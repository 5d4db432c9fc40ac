#pragma once

#include <QSize>
#include <QString>

// The work of Edit > Cut.
class CCutImage {
public:
    // Does what Copy does and deletes from the cache each tile file it drew, so that the map fetches those
    // tiles again. A tile that cannot be deleted ends the capture with a message and no confirmation (empty
    // result).
    QString CutMap(const QSize& clientSize, const QString& programFolder) const;
};
