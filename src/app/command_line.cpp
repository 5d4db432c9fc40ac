#include "app/command_line.h"

#include "dialogs/user_guide.h"
#include "platform/message_box.h"
#include "state/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kHelp = "Usage: tarnwell [FOLDER]\n"
                              "View OpenStreetMap tiles and Trekbuddy atlases.\n"
                              "FOLDER is the atlas folder for this run; the stored one stays as it is.\n\n"
                              "Options:\n"
                              "  -h, --help  show this help and exit\n"
                              "  --version   show the version and exit\n\n"
                              "Help > User guide (F1) opens the user guide:\n";

bool Asked(int argc, char** argv, const char* option, const char* shortOption = nullptr) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0 || (shortOption && std::strcmp(argv[i], shortOption) == 0))
            return true;
    return false;
}

} // namespace

std::optional<int> AnswerTerminalOptions(int argc, char** argv) {
    if (Asked(argc, argv, "--version")) {
        std::printf("Tarnwell 1.0\n");
        return 0;
    }
    if (!Asked(argc, argv, "--help", "-h"))
        return std::nullopt;
    // The guide's place depends on where the program lies, which only the core application knows.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwell"));
    std::printf("%s%s\n", kHelp, qPrintable(UserGuideUrl().toLocalFile()));
    return 0;
}

void UseAtlasFolderArgument(const QStringList& arguments) {
    if (arguments.size() < 2)
        return;
    const QFileInfo folder(arguments.at(1));
    if (!folder.isDir()) {
        ShowMessage(QStringLiteral("%1 is not a folder. Tarnwell starts with its stored atlas folder.")
                        .arg(arguments.at(1)));
        return;
    }
    SettingsStore::UseAtlasFolderForThisRun(folder.absoluteFilePath());
}
