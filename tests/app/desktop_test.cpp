#include "running_app.h"

#include <QProcess>

namespace {

// The exit code (-1 for a crash or a hang) and everything the program printed.
std::pair<int, QString> Execute(const QString& program, const QStringList& arguments,
                                const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

} // namespace

TEST(Desktop, AnInstallHoldsAValidEntryIconsGuideAndAProgramThatAnswersWithoutAWindow) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString root = TestEnv::TempFolder() + QStringLiteral("/root");
    environment.insert(QStringLiteral("DESTDIR"), root);
    const auto [installed, log] = Execute(QStringLiteral("cmake"),
                                          {QStringLiteral("--install"), QStringLiteral(TARNWELL_BUILD_DIR),
                                           QStringLiteral("--prefix"), QStringLiteral("/opt/tarnwell")},
                                          environment);
    ASSERT_EQ(installed, 0) << log.toStdString();
    const QString prefix = root + QStringLiteral("/opt/tarnwell");
    for (int side : {16, 24, 32, 48, 64, 128})
        EXPECT_EQ(
            QImage(prefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/tarnwell.png").arg(side)).size(),
            QSize(side, side));
    EXPECT_EQ(Execute(QStringLiteral("desktop-file-validate"),
                      {prefix + QStringLiteral("/share/applications/tarnwell.desktop")}, environment),
              std::pair(0, QString()))
        << "not even a hint";

    // No display of any kind: a program that tried to open a window would fail.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const QString guide = prefix + QStringLiteral("/share/tarnwell/user_guide.html");
    const QString help =
        QStringLiteral(
            "Usage: tarnwell [FOLDER]\nView OpenStreetMap tiles and Trekbuddy atlases.\nFOLDER is the atlas "
            "folder "
            "for this run; the stored one stays as it is.\n\nOptions:\n"
            "  -h, --help  show this help and exit\n  --version   show the version and exit\n\nHelp > "
            "User guide (F1) opens the user guide:\n") +
        guide + QLatin1Char('\n');
    for (const auto& [option, output] :
         {std::pair{"--version", QStringLiteral("Tarnwell 1.0\n")}, {"--help", help}, {"-h", help}})
        EXPECT_EQ(
            Execute(prefix + QStringLiteral("/bin/tarnwell"), {QString::fromLatin1(option)}, environment),
            std::pair(0, output));
    EXPECT_TRUE(QFileInfo(guide).size() > 1000);
}
