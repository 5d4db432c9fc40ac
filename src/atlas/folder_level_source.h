#pragma once

#include "atlas/level_source.h"

// A level as the folder "<level>/set" of tile files with the calibration file beside it.
class FolderLevelSource : public LevelSource {
public:
    explicit FolderLevelSource(const QString& folder);

    std::optional<QString> FindTile(const QString& pattern) const override;
    std::optional<QString> FindTileAt(qint64 px, qint64 py) const override;
    bool HasTile(const QString& name) const override;
    std::optional<FileRange> TileFile(const QString& name) const override;
    std::optional<QString> CalibrationName() const override;
    std::optional<FileRange> CalibrationFile() const override;

private:
    QString m_set;
};
