#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// The entries of one folder in the order the directory lists them, kept while the folder is unchanged so that
// a paint's many wildcard searches in a folder of thousands of tiles read the folder once.
struct DirectoryListing {
    QStringList names;
    QStringList foldedNames;
};

// The listing of `folder`, read again whenever the folder's modification stamp changed, and in every new
// round while the folder changed in the last few seconds or its stamp lies ahead of the clock; null when the
// folder cannot be read.
std::shared_ptr<const DirectoryListing> ListDirectory(const QString& folder);

// Starts a new round of listings; each paint of a map is one round, so a change on disk shows at the next
// paint.
void StartListingRound();
