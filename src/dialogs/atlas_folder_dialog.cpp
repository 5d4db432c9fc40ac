#include "dialogs/atlas_folder_dialog.h"

#include "atlas/level_folder.h"
#include "dialogs/user_guide.h"
#include "dialogs/wrapped_label.h"
#include "platform/message_box.h"
#include "platform/url_opener.h"
#include "state/map_state.h"
#include "state/settings_messages.h"
#include "state/settings_store.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString PickWithFileDialog(const QString& startFolder) {
    return QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Default OSM and Trekbuddy atlas folder"), startFolder);
}

CAtlasFolder::FolderPicker& Picker() {
    static CAtlasFolder::FolderPicker picker = PickWithFileDialog;
    return picker;
}

QPushButton* Button(const QString& text, QHBoxLayout* row, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    row->addWidget(button);
    return button;
}

} // namespace

void CAtlasFolder::SetFolderPicker(FolderPicker picker) {
    Picker() = picker ? std::move(picker) : FolderPicker(PickWithFileDialog);
}

CAtlasFolder::CAtlasFolder(QWidget* parent) : QDialog(parent), m_editFolder(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Default OSM and Trekbuddy atlas folder"));
    m_editFolder->setObjectName(QStringLiteral("folderEdit"));
    CreateControls();
    OnInitDialog();
}

void CAtlasFolder::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        WrappedLabel(QStringLiteral("Choose the default OSM and Trekbuddy atlas folder."), this));
    layout->addWidget(WrappedLabel(
        QStringLiteral(
            "For Trekbuddy maps this is the folder that contains the set of level folders.  The level "
            "folder have names that end in the zoom level.  i.e. Reading 11, Reading 12 etc.  The "
            "folder names vary depend on which utility was used to create the Trekbuddy map.  "),
        this));
    layout->addWidget(
        WrappedLabel(QStringLiteral("Some examples would be 12, Reading 12 or Layer 14.  For the Tarnwell "
                                    "program to work the folder names must end with the zoom level number."),
                     this));
    layout->addWidget(WrappedLabel(
        QStringLiteral(
            "For OSM maps this is the folder that contains the cached map tiles.  Any tiles you see "
            "while using Tarnwell will be saved here. If a tile exists in this folder it will be used "
            "and not downloaded from the OSM web server."),
        this));

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_editFolder, 1);
    connect(Button(QStringLiteral("&Browse"), folderRow, this), &QPushButton::clicked, this,
            &CAtlasFolder::OnBrowse);
    layout->addLayout(folderRow);

    auto* buttons = new QHBoxLayout;
    connect(Button(QStringLiteral("Web Help"), buttons, this), &QPushButton::clicked, this,
            [] { OpenUserGuide(); });
    connect(Button(QStringLiteral("Cancel"), buttons, this), &QPushButton::clicked, this, &QDialog::reject);
    connect(Button(QStringLiteral("Open current folder"), buttons, this), &QPushButton::clicked, this,
            &CAtlasFolder::OnOpenCurrentFolder);
    connect(Button(QStringLiteral("Apply and view map"), buttons, this), &QPushButton::clicked, this,
            &CAtlasFolder::OnApplyAndViewMap);
    QPushButton* ok = Button(QStringLiteral("OK"), buttons, this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAtlasFolder::OnOK);
    layout->addLayout(buttons);
}

void CAtlasFolder::OnInitDialog() {
    if (!SettingsStore::CreateKey()) {
        ShowMessage(MsgCreateKeyFailed());
        return;
    }
    const std::optional<QString> folder = SettingsStore::ReadAtlasFolder();
    if (!folder) {
        ShowMessage(MsgAtlasFolderUnreadable());
        return;
    }
    m_editFolder->setText(*folder);
}

void CAtlasFolder::OnBrowse() {
    const QString picked = Picker()(QDir::currentPath());
    if (!picked.isEmpty())
        m_editFolder->setText(picked);
}

// A relative folder is stored whole, so that the program finds the same atlas whatever folder it starts from.
QString CAtlasFolder::SaveFolder() {
    const QString typed = m_editFolder->text();
    const QString folder = typed.isEmpty() ? typed : QFileInfo(typed).absoluteFilePath();
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    SettingsStore::WriteAtlasFolder(folder);
    return folder;
}

void CAtlasFolder::OnOK() {
    SaveFolder();
    accept();
}

// Loads the level of the new atlas straight away, so that the map shown is the one just chosen.
void CAtlasFolder::OnApplyAndViewMap() {
    SaveFolder();
    g_nMapType = kMapTypeTrekbuddy;
    g_bMoved = 1;
    LoadLevel();
    accept();
}

void CAtlasFolder::OnOpenCurrentFolder() {
    OpenUrl(QUrl::fromLocalFile(m_editFolder->text()));
}
