#include "app/main_frame.h"

#include "app/command_ids.h"
#include "app/command_table.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString kReady = QStringLiteral("Ready");

// A toolbar button's picture: the desktop theme's icon, else our own in res/toolbar (named for the theme
// icon), so that a desktop without an icon theme still shows every button's picture. Our own are single
// small pictures, cheap to read at start-up, unlike the style's standard icons, which decode every size.
struct ToolbarIcon {
    int id;
    const char* theme;
};

constexpr ToolbarIcon kToolbarIcons[] = {
    {.id = ID_FILE_NEW, .theme = "document-new"},     {.id = ID_FILE_OPEN, .theme = "document-open"},
    {.id = ID_FILE_SAVE, .theme = "document-save"},   {.id = ID_EDIT_CUT, .theme = "edit-cut"},
    {.id = ID_EDIT_COPY, .theme = "edit-copy"},       {.id = ID_EDIT_PASTE, .theme = "edit-paste"},
    {.id = ID_FILE_PRINT, .theme = "document-print"}, {.id = ID_APP_ABOUT, .theme = "help-about"},
    {.id = ID_TOOLBAR_OSMZOOM, .theme = "zoom-in"},   {.id = ID_OSM_RESETPOSITION, .theme = "view-refresh"},
    {.id = ID_OSM_CLEANTILES, .theme = "user-trash"},
};

QIcon ButtonIcon(int id) {
    for (const ToolbarIcon& icon : kToolbarIcons) {
        if (icon.id != id)
            continue;
        const QString theme = QLatin1String(icon.theme);
        return QIcon::fromTheme(theme, QIcon(QStringLiteral(":/toolbar/%1.png").arg(theme)));
    }
    return {};
}

// Labels of the toolbar buttons that have no menu item.
QString ToolbarLabel(int id) {
    switch (id) {
    case ID_TOOLBAR_OSMZOOM:
        return QStringLiteral("OSM zoom");
    case ID_OSM_RESETPOSITION:
        return QStringLiteral("Reset OSM");
    case ID_OSM_CLEANTILES:
        return QStringLiteral("Clean tiles");
    default:
        return {};
    }
}

} // namespace

CMainFrame::CMainFrame() {
    setWindowTitle(QStringLiteral("Tarnwell"));
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    Bind(ID_APP_EXIT, [this] { close(); });
    resize(1024, 768);
}

QAction* CMainFrame::Command(int id) const {
    return m_commands.value(id);
}

void CMainFrame::Bind(int id, std::function<void()> handler) {
    QAction* action = Command(id);
    if (!action)
        return;
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

QAction* CMainFrame::AddCommand(int id, const QString& text) {
    auto* action = new QAction(MenuLabel(text), this);
    action->setData(id);
    action->setEnabled(false);
    action->setStatusTip(CommandPrompt(id));
    action->setToolTip(CommandPrompt(id).isEmpty() ? MenuLabel(text).remove(QLatin1Char('&'))
                                                   : CommandPrompt(id));
    m_commands.insert(id, action);
    return action;
}

void CMainFrame::CreateMenus() {
    for (const QString& title : MenuTitles())
        m_menus.insert(title, menuBar()->addMenu(title));

    for (const MenuItem& item : MenuItems()) {
        QMenu* menu = m_menus.value(item.menu);
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = AddCommand(item.id, item.text);
        action->setShortcuts(item.keys);
        menu->addAction(action);
    }
}

void CMainFrame::CreateToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Standard"));
    toolBar->setObjectName(QStringLiteral("Standard"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (int id : ToolbarButtons()) {
        if (id == 0) {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = Command(id);
        if (!action)
            action = AddCommand(id, ToolbarLabel(id));
        action->setIcon(ButtonIcon(id));
        toolBar->addAction(action);
    }

    // "Toolbars and Docking Windows" lists the one bar and lets it be shown or hidden.
    QAction* bars = Command(ID_VIEW_TOOLBAR);
    auto* barList = new QMenu(this);
    barList->addAction(toolBar->toggleViewAction());
    bars->setMenu(barList);
    bars->setEnabled(true);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->showMessage(kReady);
    // The prompt of a highlighted command replaces "Ready" only while it is highlighted.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(kReady);
    });
    m_pointerPane = new QLabel(bar);
    m_pointerPane->setObjectName(QStringLiteral("pointerPosition"));
    // Wide enough for any place, so that the pane does not jump as the pointer moves.
    m_pointerPane->setMinimumWidth(
        m_pointerPane->fontMetrics().horizontalAdvance(QStringLiteral("00.00000 N  000.00000 W  ")));
    bar->addPermanentWidget(m_pointerPane);
    QAction* toggle = Command(ID_VIEW_STATUS_BAR);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    toggle->setEnabled(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::ShowPointerPosition(const QString& text) {
    m_pointerPane->setText(text);
}
