#include "dialogs/osm_source_dialog.h"

#include "osm/tile_servers.h"
#include "platform/url_opener.h"
#include "state/map_state.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

COSMSource::COSMSource(QWidget* parent)
    : QDialog(parent), m_picture(new QLabel(this)), m_description(new QLabel(this)),
      m_serverList(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("OSM tile web server"));
    m_serverList->setObjectName(QStringLiteral("serverList"));
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setText(QStringLiteral("Web tile server -default"));
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(80);
    m_description->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_picture->setObjectName(QStringLiteral("sample"));
    m_picture->setFrameShape(QFrame::Box);
    m_picture->setFixedSize(258, 258);

    auto* link =
        new QLabel(QStringLiteral("<a href=\"%1\">\u00a9 OpenStreetMap.  Map data from OpenStreetMap.</a>")
                       .arg(kOsmCopyrightUrl),
                   this);
    link->setObjectName(QStringLiteral("copyrightLink"));
    link->setToolTip(QStringLiteral("Open Database License"));
    connect(link, &QLabel::linkActivated, this, [](const QString& url) { OpenUrl(QUrl(url)); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &COSMSource::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select the web source for the map tiles."), this));
    layout->addWidget(m_serverList);
    layout->addWidget(m_description);
    layout->addWidget(link);
    layout->addWidget(m_picture);
    layout->addLayout(buttons);
    setMinimumWidth(640);

    connect(m_serverList, &QComboBox::activated, this, &COSMSource::OnSelchangeServer);
}

void COSMSource::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QSignalBlocker quiet(m_serverList);
    m_serverList->clear();
    for (const TileServer& server : TileServers())
        m_serverList->addItem(server.url);
    m_serverList->setCurrentIndex(-1);
    m_picture->clear();
    m_picture->show();
    ShowPreviewIfDue();
}

void COSMSource::OnSelchangeServer(int index) {
    g_nOsmSourceSel = index;
    m_description->setText(TileServerDescription(index));
    g_bOsmPreviewShown = 0;
    ShowPreviewIfDue();
}

void COSMSource::ShowPreviewIfDue() {
    if (g_bOsmPreviewShown == 1)
        return;
    m_picture->setPixmap(QPixmap(TileServerSample(g_nOsmSourceSel)));
    m_picture->show();
    g_bOsmPreviewShown = 1;
}

void COSMSource::OnOK() {
    g_nMapType = kMapTypeDialog;
    // With nothing selected the server stays as it was, rather than becoming an empty address that would
    // stop every download.
    if (m_serverList->currentIndex() >= 0) {
        g_wszOsmUrl = m_serverList->currentText();
        g_wszOsmServer = g_wszOsmUrl;
    }
    accept();
}
