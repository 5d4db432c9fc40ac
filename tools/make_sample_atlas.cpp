// Builds the bundled sample atlas in a folder:  make_sample_atlas <folder>
// With --set-default it also stores <folder> as the atlas folder, unless the user has set one already.

#include "atlas_builder.h"
#include "state/settings_store.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QStringList arguments = QGuiApplication::arguments().mid(1);
    const bool setDefault = arguments.removeAll(QStringLiteral("--set-default")) > 0;
    QTextStream err(stderr);
    if (arguments.size() != 1) {
        err << "usage: make_sample_atlas [--set-default] <folder>\n";
        return 2;
    }
    const QString folder = arguments.first();
    if (setDefault) {
        const std::optional<QString> current = SettingsStore::ReadAtlasFolder();
        if (!current || current->isEmpty())
            SettingsStore::WriteAtlasFolder(folder);
        return 0;
    }
    for (const AtlasBuilder::Level& level : AtlasBuilder::SampleLevels()) {
        if (!AtlasBuilder::WriteLevel(folder, level)) {
            err << "make_sample_atlas: cannot write level " << level.folderName << " in " << folder << "\n";
            return 1;
        }
    }
    return 0;
}
