#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

// "Default OSM and Trekbuddy atlas folder": the folder that holds the OSM tile cache and the Trekbuddy level
// folders, stored as "AtlasFolder". Paths are kept whole, however long and in whatever script.
class CAtlasFolder : public QDialog {
    Q_OBJECT
public:
    explicit CAtlasFolder(QWidget* parent = nullptr);

    // The folder picker behind "&Browse": given the starting folder, returns the folder picked, or an empty
    // string when the user cancels. Replaceable so that tests can pick without a file dialog.
    using FolderPicker = std::function<QString(const QString& startFolder)>;
    static void SetFolderPicker(FolderPicker picker);

private:
    void CreateControls();
    void OnInitDialog();
    void OnBrowse();
    void OnOK();
    void OnApplyAndViewMap();
    void OnOpenCurrentFolder();
    // Creates the folder named in the edit (failures are ignored) and stores it; returns it.
    QString SaveFolder();

    QLineEdit* m_editFolder;
};
