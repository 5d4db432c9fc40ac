#include "dialogs/make_pan_dialog.h"

#include "atlas/pan_maker.h"
#include "atlas/tile_count.h"
#include "dialogs/user_guide.h"
#include "platform/message_box.h"
#include "platform/url_opener.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtConcurrent>

namespace {

const QStringList kExplanations = {
    QStringLiteral("Create a pan.jpg file.  This file allows you to click on the pan image to quickly change "
                   "position on the map."),
    QStringLiteral(
        "The pan.jpg files reside in each zoom folder that has a name that ends with with the zoom "
        "level.  The pan.jpg files have a unique size for each zoom level and can't be copied to other "
        "zoom levels.  You need to create a pan.jpg for each zoom level."),
    QStringLiteral(
        "Click the Create pan.jpg file button to create the pan.jpg file in the current folder.  Click "
        "OK when finished to close this dialog."),
    QStringLiteral("Very large tile sets are made in strips, so any level fits in memory. Click the Web Help "
                   "button for more information."),
};

QLabel* Text(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CDialogMakePanFile::CDialogMakePanFile(const QString& folder, QWidget* parent)
    : QDialog(parent), m_szFolder(folder.left(499)), m_folderEdit(new QLineEdit(this)),
      m_createButton(Button(QStringLiteral("Create pan.jpg file"), this)), m_progress(new QProgressBar(this)),
      m_tileCount(Text(QStringLiteral("Tile Count"), this)),
      m_tileInfo(Text(QStringLiteral("Tile info"), this)) {
    setWindowTitle(QStringLiteral("Make Pan Image"));
    setMinimumWidth(640);
    m_folderEdit->setObjectName(QStringLiteral("folderEdit"));
    m_tileCount->setObjectName(QStringLiteral("tileCount"));
    m_tileInfo->setObjectName(QStringLiteral("tileInfo"));
    auto* browse = Button(QStringLiteral("&Browse"), this);
    auto* openFolder = Button(QStringLiteral("Open current folder"), this);
    auto* help = Button(QStringLiteral("Web Help"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = Button(QStringLiteral("Cancel"), this);
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const QString& text : kExplanations)
        grid->addWidget(Text(text, this), row++, 0, 1, 4);
    grid->addWidget(m_folderEdit, row, 0, 1, 3);
    grid->addWidget(browse, row++, 3);
    grid->addWidget(m_tileCount, row, 0, 1, 2);
    grid->addWidget(m_tileInfo, row++, 2, 1, 2);
    grid->addWidget(m_createButton, row, 0);
    grid->addWidget(openFolder, row, 1);
    grid->addWidget(help, row++, 2);
    grid->addWidget(m_progress, row++, 0, 1, 4);
    grid->addWidget(ok, row, 2);
    grid->addWidget(cancel, row, 3);

    connect(m_createButton, &QPushButton::clicked, this, &CDialogMakePanFile::OnCreatePanFile);
    connect(openFolder, &QPushButton::clicked, this, &CDialogMakePanFile::OnOpenCurrentFolder);
    connect(browse, &QPushButton::clicked, this, &CDialogMakePanFile::OnBrowse);
    connect(help, &QPushButton::clicked, this, [] { OpenUserGuide(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_run, &QFutureWatcher<QStringList>::finished, this, &CDialogMakePanFile::OnRunFinished);
    OnInitDialog();
}

CDialogMakePanFile::~CDialogMakePanFile() {
    StopRun();
}

void CDialogMakePanFile::done(int result) {
    StopRun();
    QDialog::done(result);
}

void CDialogMakePanFile::OnInitDialog() {
    m_folderEdit->setText(m_szFolder);
    const CTileCount count;
    const int columns = count.CountTileColumns(m_szFolder);
    const int rows = count.CountTileRows(m_szFolder);
    m_tileCount->setText(
        QStringLiteral("Tile count width %1, height %2\nPan image pixal size width %3, height %4")
            .arg(columns)
            .arg(rows)
            .arg(columns * kPanCell)
            .arg(rows * kPanCell));
    m_tileInfo->setText(QStringLiteral("Tile 0_0 pixels width  %1, height %2\nTile 0_0 colour depth %3")
                            .arg(count.GetTileWidth(m_szFolder))
                            .arg(count.GetTileHeight(m_szFolder))
                            .arg(count.GetTileBitDepth(m_szFolder)));
}

// The run works on its own thread; its progress comes back to the bar through the event loop.
void CDialogMakePanFile::OnCreatePanFile() {
    if (m_run.isRunning())
        return;
    // Said before the work starts, the way the user reads it: the image is made after the warning is closed.
    PanLevel level = LookAtPanLevel(m_szFolder);
    for (const QString& warning : std::as_const(level.warnings))
        ShowMessage(warning, kAppTitle, MessageIcon::Stop);
    if (!level.source)
        return;
    m_createButton->setEnabled(false);
    m_progress->setRange(0, kPanProgressRange);
    m_progress->setValue(1);
    m_stop = false;
    QProgressBar* bar = m_progress;
    const PanProgress progress = [bar](int position) {
        QMetaObject::invokeMethod(
            bar, [bar, position] { bar->setValue(position); }, Qt::QueuedConnection);
    };
    m_run.setFuture(QtConcurrent::run([level = std::move(level), progress, stop = &m_stop] {
        return MakePanImage(level, progress, *stop);
    }));
}

void CDialogMakePanFile::OnRunFinished() {
    m_createButton->setEnabled(true);
    const QStringList messages = m_run.result();
    for (const QString& message : messages)
        ShowMessage(message);
}

// Waits for a running image to give up; the pan.jpg it was replacing stays as it was.
void CDialogMakePanFile::StopRun() {
    if (!m_run.isRunning())
        return;
    m_stop = true;
    m_run.waitForFinished();
}

void CDialogMakePanFile::OnOpenCurrentFolder() {
    OpenUrl(QUrl::fromLocalFile(m_folderEdit->text()));
}

// The picked folder only goes into the box (for "Open current folder"); the image is still made for the
// level the dialog was opened on.
void CDialogMakePanFile::OnBrowse() {
    QFileDialog picker(this, QStringLiteral("Browse"), QDir::currentPath());
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    picker.setFilter(picker.filter() | QDir::Hidden | QDir::System);
    if (picker.exec() == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        m_folderEdit->setText(QDir::toNativeSeparators(picker.selectedFiles().constFirst()).left(498));
}
