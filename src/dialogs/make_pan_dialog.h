#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QStringList>
#include <atomic>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// "Make Pan Image": shows a level's tile counts and makes its pan.jpg. The image is made off the user
// interface thread while the progress bar moves; closing the dialog stops a run and waits for it to end.
class CDialogMakePanFile : public QDialog {
    Q_OBJECT
public:
    // `folder` is the level the image is made for, whatever the folder box shows later.
    explicit CDialogMakePanFile(const QString& folder, QWidget* parent = nullptr);
    ~CDialogMakePanFile() override;

    void done(int result) override;

private:
    void OnInitDialog();
    void OnCreatePanFile();
    void OnRunFinished();
    void OnOpenCurrentFolder();
    void OnBrowse();
    void StopRun();

    QString m_szFolder;
    QLineEdit* m_folderEdit;
    QPushButton* m_createButton;
    QProgressBar* m_progress;
    QLabel* m_tileCount;
    QLabel* m_tileInfo;
    QFutureWatcher<QStringList> m_run;
    std::atomic_bool m_stop{false};
};
