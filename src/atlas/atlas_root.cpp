#include "atlas/atlas_root.h"

#include "platform/directory_listing.h"
#include "platform/find_first.h"
#include "platform/safe_file.h"

#include <QDir>

namespace {

// An atlas file holds a few short lines; anything larger is not one.
constexpr qint64 kMaxAtlasFileBytes = qint64(64) << 10;

bool IsAtlasFile(const QString& path) {
    const std::optional<QByteArray> text = ReadRangeSafely({path}, kMaxAtlasFileBytes);
    if (!text)
        return false;
    QByteArray first = text->left(text->indexOf('\n') < 0 ? text->size() : text->indexOf('\n'));
    if (first.startsWith("\xef\xbb\xbf"))
        first.remove(0, 3);
    return first.trimmed() == "Atlas 1.0";
}

bool IsAtlasRoot(const QString& atlasFolder) {
    const std::shared_ptr<const DirectoryListing> listing = ListDirectory(atlasFolder);
    if (!listing)
        return false;
    const QString pattern = QStringLiteral("*.tba");
    for (const QString& name : listing->names)
        if (WildcardMatch(pattern, name) && IsAtlasFile(atlasFolder + QLatin1Char('/') + name))
            return true;
    return false;
}

} // namespace

QStringList AtlasLayers(const QString& atlasFolder) {
    if (!IsAtlasRoot(atlasFolder))
        return {};
    const QDir root(atlasFolder);
    QStringList layers;
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        layers.append(atlasFolder + QLatin1Char('/') + name);
    return layers;
}
