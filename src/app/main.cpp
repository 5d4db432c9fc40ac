#include "app/command_line.h"
#include "app/tarnwell_app.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that they work without a display.
    if (const std::optional<int> answered = AnswerTerminalOptions(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QApplication::setDesktopFileName(QStringLiteral("tarnwell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnwell.png")));
    UseAtlasFolderArgument(QApplication::arguments());
    CTarnwellApp tarnwell;
    if (!tarnwell.InitInstance())
        return 1;
    return QApplication::exec();
}
