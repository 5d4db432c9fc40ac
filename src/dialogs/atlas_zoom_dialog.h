#pragma once

#include <QDialog>

class QLineEdit;

// "Choose a layer display zoom.": sets g_nZoom and moves the OSM position with it. The arrows step at once
// (Cancel keeps their steps); OK applies the zoom typed into the edit. Writes nothing to the settings.
class CAtlasZoom : public QDialog {
    Q_OBJECT
public:
    explicit CAtlasZoom(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnDeltaposSpin(bool up);
    void OnOK();
    void ShowZoom();

    QLineEdit* m_editZoom;
};
