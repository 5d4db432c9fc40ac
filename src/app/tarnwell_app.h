#pragma once

#include <memory>

class CMainFrame;
class CTarnwellDoc;
class CTarnwellView;
class QMenu;

// The application: builds the main window with its document and view, and carries the application's commands.
class CTarnwellApp {
public:
    CTarnwellApp();
    ~CTarnwellApp();

    // Creates the document, the main window and the view, runs the view's initial update and shows the
    // window.
    bool InitInstance();

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CTarnwellView* View() const { return m_view; }

    // Application commands.
    void OnOsmResetPosition();
    void OnOsmCleanTiles();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();

private:
    void BindCommands();
    void UpdateMapTypeChecks();
    void UpdateTitle();

    std::unique_ptr<CTarnwellDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CTarnwellView* m_view = nullptr;
    QMenu* m_contextMenu = nullptr;
};
