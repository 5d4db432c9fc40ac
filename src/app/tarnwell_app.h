#pragma once

#include <QString>
#include <memory>
#include <vector>

class CMainFrame;
class CTarnwellDoc;
class CTarnwellView;
class QAction;
class QMenu;

// The application: builds the main window with its document and view, and carries the application's commands.
class CTarnwellApp {
public:
    CTarnwellApp();
    ~CTarnwellApp();

    // Creates the document, the main window and the view, runs the view's initial update and shows the
    // window.
    bool InitInstance();

    // Application commands.
    void OnOsmResetPosition();
    void OnOsmCleanTiles();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    // Opens the (empty) document `path` and puts it at the top of the recent-file list.
    void OpenDocument(const QString& path);

private:
    void BindCommands();
    void UpdateMapTypeChecks();
    void UpdateTitle();
    void NoteRecentFile(const QString& path);
    void ShowRecentFiles();

    std::unique_ptr<CTarnwellDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CTarnwellView* m_view = nullptr;
    QMenu* m_contextMenu = nullptr;
    // Entries of the File menu's recent-file list; destroyed before the window that shows them.
    std::vector<std::unique_ptr<QAction>> m_recentActions;
};
