#include "app/tarnwell_app.h"

#include "app/command_ids.h"
#include "app/edit_commands.h"
#include "app/main_frame.h"
#include "app/print_commands.h"
#include "app/recent_files.h"
#include "app/settings_commands.h"
#include "app/tarnwell_doc.h"
#include "dialogs/user_guide.h"
#include "osm/tile_cleaner.h"
#include "platform/message_box.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"
#include "view/tarnwell_view.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

CTarnwellApp::CTarnwellApp() = default;

CTarnwellApp::~CTarnwellApp() {
    // The view and its map objects go before the document, as the window closes.
    m_frame.reset();
    m_document.reset();
}

bool CTarnwellApp::InitInstance() {
    m_document = std::make_unique<CTarnwellDoc>();
    m_frame = std::make_unique<CMainFrame>();
    m_view = new CTarnwellView(m_document.get(), m_frame.get());
    m_frame->setCentralWidget(m_view);
    QObject::connect(m_view, &CTarnwellView::PointerPositionChanged, m_frame.get(),
                     &CMainFrame::ShowPointerPosition);

    m_contextMenu = new QMenu(QStringLiteral("Edit"), m_view);
    m_contextMenu->addAction(m_frame->Command(ID_EDIT_CUT));
    m_contextMenu->addAction(m_frame->Command(ID_EDIT_COPY));
    m_contextMenu->addAction(m_frame->Command(ID_EDIT_PASTE));
    m_view->SetContextMenu(m_contextMenu);

    BindCommands();
    if (!m_document->OnNewDocument())
        return false;
    m_view->OnInitialUpdate();
    UpdateTitle();
    ShowRecentFiles();
    m_frame->show();
    m_view->setFocus();
    return true;
}

void CTarnwellApp::BindCommands() {
    CMainFrame& frame = *m_frame;
    CTarnwellView* view = m_view;
    frame.Bind(ID_FILE_NEW, [this] {
        if (m_document->OnNewDocument())
            m_view->OnInitialUpdate();
        UpdateTitle();
    });
    frame.Bind(ID_FILE_OPEN, [this] { OnFileOpen(); });
    frame.Bind(ID_FILE_SAVE, [this] { OnFileSave(); });
    frame.Bind(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    frame.Bind(ID_FILE_PRINT, [view] { view->OnFilePrint(); });
    frame.Bind(ID_FILE_PRINT_PREVIEW, [view] { view->OnFilePrintPreview(); });
    frame.Bind(ID_FILE_PRINT_SETUP, [view] { view->OnFilePrintSetup(); });
    frame.Bind(ID_VIEW_MAPTYPE7TREKBUDDY, [view] { view->OnViewMaptype7trekbuddy(); });
    frame.Bind(ID_VIEW_REFRESH, [view] { view->OnViewRefresh(); });
    frame.Bind(ID_MAP_STARTPOSITION, [view] { view->OnMapStartposition(); });
    frame.Bind(ID_MAP_GETSCREENMAP, [view] { view->OnMapGetscreenmap(); });
    frame.Bind(ID_OSM_RESETPOSITION, [this] { OnOsmResetPosition(); });
    frame.Bind(ID_OSM_CLEANTILES, [this] { OnOsmCleanTiles(); });
    frame.Bind(ID_VIEW_MAPTYPE6OSM, [view] { view->OnViewMaptype6osm(); });
    frame.Bind(ID_OSM_SETOSMSOURCE, OnOsmSetosmsource);
    frame.Bind(ID_EDIT_CUT, OnEditCut);
    frame.Bind(ID_EDIT_COPY, OnEditCopy);
    frame.Bind(ID_APP_ABOUT, OnAppAbout);
    frame.Bind(ID_HELP_USERGUIDE, [] { OpenUserGuide(); });
    frame.Bind(ID_TREKBUDDY_DEFAULTATLASFOLDER, OnTrekbuddyDefaultatlasfolder);
    frame.Bind(ID_TREKBUDDY_MAKEPANFILES, OnTrekbuddyMakepanfiles);
    frame.Bind(ID_VIEW_SETOSMZOOMLEVEL, OnViewSetosmzoomlevel);
    frame.Bind(ID_TOOLBAR_OSMZOOM, OnViewSetosmzoomlevel);
    frame.Bind(ID_TREKBUDDY_PRINT, OnTrekbuddyPrint);
    frame.Bind(ID_TREKBUDDY_PRINT3, OnTrekbuddyPrint);
    frame.Bind(ID_OSM_PRINT, OnOsmPrint);

    for (int id : {ID_VIEW_MAPTYPE7TREKBUDDY, ID_VIEW_MAPTYPE6OSM})
        frame.Command(id)->setCheckable(true);
    QMenu* viewMenu = frame.Menu(QStringLiteral("&View"));
    QObject::connect(viewMenu, &QMenu::aboutToShow, viewMenu, [this] { UpdateMapTypeChecks(); });
    UpdateMapTypeChecks();
}

// The check marks of the two map types follow the map shown.
void CTarnwellApp::UpdateMapTypeChecks() {
    m_frame->Command(ID_VIEW_MAPTYPE7TREKBUDDY)->setChecked(g_nMapType == kMapTypeTrekbuddy);
    m_frame->Command(ID_VIEW_MAPTYPE6OSM)->setChecked(g_nMapType == kMapTypeOsm);
}

void CTarnwellApp::OnOsmResetPosition() {
    if (g_nMapType == kMapTypeOsm) {
        ResetOsmPosition();
        m_view->Invalidate(true);
    } else if (g_nMapType == kMapTypeTrekbuddy) {
        m_view->Invalidate(true);
    }
}

void CTarnwellApp::OnOsmCleanTiles() {
    if (g_nMapType != kMapTypeOsm)
        return;
    g_pMapWnd = m_view;
    const bool shown = m_view->isVisible() && !m_view->visibleRegion().isEmpty();
    CClean().RemoveZeroSizeTiles(shown ? m_view->size() : QSize());
    m_view->Invalidate(true);
}

void CTarnwellApp::UpdateTitle() {
    m_frame->setWindowTitle(m_document->Title() + QStringLiteral(" - Tarnwell"));
}

void CTarnwellApp::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(m_frame.get(), QStringLiteral("Open"));
    if (!path.isEmpty())
        OpenDocument(path);
}

void CTarnwellApp::OpenDocument(const QString& path) {
    if (!m_document->OnOpenDocument(path))
        return;
    UpdateTitle();
    NoteRecentFile(path);
}

void CTarnwellApp::NoteRecentFile(const QString& path) {
    RecentFiles::Add(path);
    ShowRecentFiles();
}

// The list takes the place of the "Recent File" item, which shows (disabled) only while the list is empty.
void CTarnwellApp::ShowRecentFiles() {
    m_recentActions.clear();
    QAction* placeholder = m_frame->Command(ID_FILE_MRU_FILE1);
    const QStringList paths = RecentFiles::Read();
    placeholder->setVisible(paths.isEmpty());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        auto action = std::make_unique<QAction>(QStringLiteral("&%1 %2").arg(i + 1).arg(paths[i]));
        action->setData(ID_FILE_MRU_FILE1 + int(i));
        QObject::connect(action.get(), &QAction::triggered, m_frame.get(),
                         [this, path = paths[i]] { OpenDocument(path); });
        m_frame->Menu(QStringLiteral("&File"))->insertAction(placeholder, action.get());
        m_recentActions.push_back(std::move(action));
    }
}

namespace {

// Saving writes an empty file, so a file that holds anything is replaced only when the user says so.
bool MayReplace(QWidget* parent, const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() || file.size() == 0)
        return true;
    const QString question =
        QStringLiteral("%1 is not empty: saving replaces what it holds by an empty file.\n"
                       "Do you want to replace it?")
            .arg(file.fileName());
    return QMessageBox::question(parent, kAppTitle, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

void CTarnwellApp::OnFileSave() {
    const QString path = m_document->PathName();
    if (path.isEmpty())
        OnFileSaveAs();
    else if (MayReplace(m_frame.get(), path))
        m_document->OnSaveDocument(path);
}

void CTarnwellApp::OnFileSaveAs() {
    // The one question about replacing a file is ours; the file dialog's own would come first and ask also
    // about empty files.
    const QString path = QFileDialog::getSaveFileName(m_frame.get(), QStringLiteral("Save As"), QString(),
                                                      QString(), nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty() || !MayReplace(m_frame.get(), path) || !m_document->OnSaveDocument(path))
        return;
    UpdateTitle();
    NoteRecentFile(path);
}
