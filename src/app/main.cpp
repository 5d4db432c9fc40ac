#include "app/tarnwell_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    CTarnwellApp tarnwell;
    if (!tarnwell.InitInstance())
        return 1;
    return QApplication::exec();
}
