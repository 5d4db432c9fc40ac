#include "app/main_frame.h"

#include "app/command_ids.h"
#include "app/command_table.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

const QString kReady = QStringLiteral("Ready");

QIcon StandardIcon(const QStyle* style, int id) {
    switch (id) {
    case ID_FILE_NEW:
        return style->standardIcon(QStyle::SP_FileIcon);
    case ID_FILE_OPEN:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ID_FILE_SAVE:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ID_EDIT_CUT:
        return QIcon::fromTheme(QStringLiteral("edit-cut"));
    case ID_EDIT_COPY:
        return QIcon::fromTheme(QStringLiteral("edit-copy"));
    case ID_APP_ABOUT:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case ID_OSM_RESETPOSITION:
        return style->standardIcon(QStyle::SP_BrowserReload);
    case ID_OSM_CLEANTILES:
        return style->standardIcon(QStyle::SP_TrashIcon);
    default:
        return {};
    }
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
        if (action->icon().isNull())
            action->setIcon(StandardIcon(style(), id));
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
