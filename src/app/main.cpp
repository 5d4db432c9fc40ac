#include "app/tarnwell_app.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QApplication::setDesktopFileName(QStringLiteral("tarnwell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnwell.png")));
    CTarnwellApp tarnwell;
    if (!tarnwell.InitInstance())
        return 1;
    return QApplication::exec();
}
