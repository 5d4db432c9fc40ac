#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

// "OSM tile web server": the list of tile servers with a description and a sample picture of the one
// selected. OK makes the selected server the one the OSM map downloads from.
class COSMSource : public QDialog {
    Q_OBJECT
public:
    explicit COSMSource(QWidget* parent = nullptr);

    void OnSelchangeServer(int index);
    void OnOK();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Puts up the sample of g_nOsmSourceSel unless it is up already; a later opening of the dialog
    // therefore shows no sample until a server is chosen.
    void ShowPreviewIfDue();

    QLabel* m_picture;
    QLabel* m_description;
    QComboBox* m_serverList;
};
