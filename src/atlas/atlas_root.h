#pragma once

#include <QString>
#include <QStringList>

// The root of an atlas as atlas makers write it: a "*.tba" file whose first line is "Atlas 1.0" beside the
// layer folders, each of which holds level folders.

// The layer folders of `atlasFolder` in name order, as paths; none when it is no atlas root.
QStringList AtlasLayers(const QString& atlasFolder);
