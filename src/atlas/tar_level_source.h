#pragma once

#include "atlas/level_source.h"

class TarIndex;

// A level as atlas makers pack it: one tar archive in the level folder holds the calibration file and the
// "set/" tiles, and the pan image lies beside the archive. The archive's index is built when the level is
// first opened and kept while the archive is unchanged, so a paint reads only the members it draws.
class TarLevelSource : public LevelSource {
public:
    TarLevelSource(const QString& folder, const QString& archive);

    std::optional<QString> FindTile(const QString& pattern) const override;
    std::optional<QString> FindTileAt(qint64 px, qint64 py) const override;
    bool HasTile(const QString& name) const override;
    std::optional<FileRange> TileFile(const QString& name) const override;
    std::optional<QString> CalibrationName() const override;
    std::optional<FileRange> CalibrationFile() const override;

private:
    std::optional<FileRange> MemberFile(std::optional<qsizetype> member) const;
    // The member's name without the tile folder in front.
    std::optional<QString> TileName(std::optional<qsizetype> member) const;

    QString m_archive;
    std::shared_ptr<const TarIndex> m_index; // null when the archive cannot be read
};

// The archive of a tared level: a level folder without a "set" folder that holds "<folder name>.tar", or
// else the first "*.tar" it lists. Nothing for any other folder.
std::optional<QString> LevelArchive(const QString& levelFolder);
