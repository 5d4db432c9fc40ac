// Measures the program's start as a new user meets it: from the spawn of a fresh process to the end of the
// view's first map paint on the bundled sample atlas, beside a bare main window of the same make (the same
// menus, one toolbar of as many buttons, a status bar and a central widget that fills itself). Every start is
// this program run again as a child (`start_up --one ours|bare`), so that both kinds pay the same process
// start; the best of ten starts of each, alternating, counts. Each child prints when its main began, its
// application stood, its window was built and its first paint began and ended, so that the best start of
// each kind shows where its time went. Usage: start_up [work folder] (offscreen platform; the sample atlas
// and the settings are written there afresh).

#include "app/command_table.h"
#include "app/tarnwell_app.h"
#include "atlas_builder.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "view/tarnwell_view.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <optional>
#include <utility>

namespace {

constexpr int kStarts = 10;
const char* const kOneMode = "--one";

qint64 MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The moments a child notes, each on the clock that all processes share.
enum Moment { kMain, kApplication, kWindow, kPaintBegin, kPaintEnd, kMoments };
using Moments = std::array<qint64, kMoments>;

// Notes the first paint of the widget that `isTarget` accepts and, once the pass that painted it has ended,
// prints the moments and ends the run.
class FirstPaint : public QObject {
public:
    FirstPaint(Moments& moments, std::function<bool(QObject*)> isTarget)
        : m_moments(moments), m_isTarget(std::move(isTarget)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || m_seen || !m_isTarget(watched))
            return false;
        m_seen = true;
        m_moments[kPaintBegin] = MonotonicNs();
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_moments[kPaintEnd] = MonotonicNs();
                for (qint64 moment : m_moments)
                    std::printf("%lld ", static_cast<long long>(moment));
                std::printf("\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    Moments& m_moments;
    std::function<bool(QObject*)> m_isTarget;
    bool m_seen = false;
};

// Covers its whole area with one colour, as a map covers the view.
class FilledWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(90, 140, 90)); }
};

int CountButtons() {
    const QList<int>& buttons = ToolbarButtons();
    return int(std::count_if(buttons.begin(), buttons.end(), [](int id) { return id != 0; }));
}

// The bare window: the program's menus by their texts alone, as many toolbar buttons as the program has, a
// status bar and the filled widget, at the program's window size.
void BuildBareWindow(QMainWindow& window, QWidget* central) {
    for (const QString& title : MenuTitles()) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (const MenuItem& item : MenuItems()) {
            if (item.menu == title && item.id == 0)
                menu->addSeparator();
            else if (item.menu == title)
                menu->addAction(MenuLabel(item.text));
        }
    }
    QToolBar* toolBar = window.addToolBar(QStringLiteral("Standard"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const QIcon icon = window.style()->standardIcon(QStyle::SP_FileIcon);
    for (int i = 0, count = CountButtons(); i < count; ++i)
        toolBar->addAction(icon, QStringLiteral("Button %1").arg(i + 1));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(central);
    window.resize(1024, 768);
}

// One start of one kind, in this process; prints its moments when its first paint is done.
int StartOne(const char* programName, const QByteArray& kind) {
    Moments moments{};
    moments[kMain] = MonotonicNs();
    // The program is given no arguments of its own, as a user starts it from the desktop.
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    if (kind == "ours") {
        // As the program's main starts it.
        QApplication application(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Tarnwell"));
        QApplication::setDesktopFileName(QStringLiteral("tarnwell"));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnwell.png")));
        moments[kApplication] = MonotonicNs();
        FirstPaint watch(moments, [](QObject* watched) { return qobject_cast<CTarnwellView*>(watched); });
        application.installEventFilter(&watch);
        CTarnwellApp tarnwell;
        // A start that missed the sample atlas would time a paint of a note instead of the map.
        if (!tarnwell.InitInstance() || !g_szAtlasFolder.endsWith(QStringLiteral("/12")))
            return 1;
        moments[kWindow] = MonotonicNs();
        return QApplication::exec();
    }
    if (kind != "bare")
        return 2;
    QApplication application(argc, argv);
    moments[kApplication] = MonotonicNs();
    QMainWindow window;
    auto* central = new FilledWidget;
    FirstPaint watch(moments, [central](QObject* watched) { return watched == central; });
    application.installEventFilter(&watch);
    BuildBareWindow(window, central);
    window.show();
    moments[kWindow] = MonotonicNs();
    return QApplication::exec();
}

// Milliseconds from the spawn to each moment of one start.
using Start = std::array<double, kMoments>;

std::optional<Start> TimeOneStart(const QString& kind) {
    QProcess child;
    const qint64 spawned = MonotonicNs();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kOneMode), kind});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        std::printf("the %s start failed: %s\n", qPrintable(kind), child.readAllStandardError().constData());
        return std::nullopt;
    }
    const QList<QByteArray> numbers = child.readAllStandardOutput().simplified().split(' ');
    if (numbers.size() != kMoments)
        return std::nullopt;
    Start start{};
    for (int moment = 0; moment < kMoments; ++moment)
        start[moment] = double(numbers[moment].toLongLong() - spawned) / 1e6;
    return start;
}

void PrintStart(const char* label, const Start& start) {
    std::printf("%s %.1f ms: process %.1f, application %.1f, window %.1f, until the paint %.1f, paint %.1f\n",
                label, start[kPaintEnd], start[kMain], start[kApplication] - start[kMain],
                start[kWindow] - start[kApplication], start[kPaintBegin] - start[kWindow],
                start[kPaintEnd] - start[kPaintBegin]);
    std::fflush(stdout);
}

// A new user's setting: the atlas folder points at the sample atlas, as the run script stores it.
bool PrepareNewUser(const QString& work) {
    const QString sample = work + QStringLiteral("/sample-atlas");
    QDir(sample).removeRecursively();
    for (const AtlasBuilder::Level& level : AtlasBuilder::SampleLevels())
        if (!AtlasBuilder::WriteLevel(sample, level))
            return false;
    return SettingsStore::WriteAtlasFolder(sample);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], kOneMode) == 0)
        return StartOne(argv[0], argv[2]);

    QTemporaryDir temporary;
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    // A home, settings and runtime folder of the benchmark's own, passed on to every child, so that no
    // start reads the user's.
    const std::pair<const char*, const char*> folders[] = {
        {"HOME", "home"}, {"XDG_CONFIG_HOME", "config"}, {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& [variable, name] : folders) {
        const QString folder = work + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(folder);
        qputenv(variable, QFile::encodeName(folder));
    }
    // The desktop's runtime folder is the user's alone; Qt refuses any other.
    QFile::setPermissions(work + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (!PrepareNewUser(work)) {
        std::printf("could not write the sample atlas and its setting in %s\n", qPrintable(work));
        return 1;
    }

    std::optional<Start> best[2];
    const QString kinds[2] = {QStringLiteral("ours"), QStringLiteral("bare")};
    for (int round = 0; round < kStarts; ++round)
        for (int kind = 0; kind < 2; ++kind) {
            const std::optional<Start> start = TimeOneStart(kinds[kind]);
            if (!start)
                return 1;
            PrintStart(qPrintable(kinds[kind]), *start);
            if (!best[kind] || (*start)[kPaintEnd] < (*best[kind])[kPaintEnd])
                best[kind] = start;
        }
    PrintStart("best ours", *best[0]);
    PrintStart("best bare", *best[1]);
    std::printf("start_up ours_ms: %.1f\n", (*best[0])[kPaintEnd]);
    std::printf("start_up bare_ms: %.1f\n", (*best[1])[kPaintEnd]);
    std::printf("start_up ratio: %.3f\n", (*best[0])[kPaintEnd] / (*best[1])[kPaintEnd]);
    return 0;
}
