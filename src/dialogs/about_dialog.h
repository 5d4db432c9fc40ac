#pragma once

#include <QDialog>

// "About Tarnwell": version, notice and the address of the user guide, which "Go to website" opens.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
