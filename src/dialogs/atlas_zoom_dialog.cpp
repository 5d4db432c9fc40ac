#include "dialogs/atlas_zoom_dialog.h"

#include "dialogs/typed_zoom.h"
#include "dialogs/user_guide.h"
#include "dialogs/wrapped_label.h"
#include "dialogs/zoom_spin.h"
#include "platform/message_box.h"
#include "state/map_state.h"
#include "state/osm_zoom_steps.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kMsgNegativeZoom =
    QStringLiteral("A zoom cannot be negative.\nPlease type a zoom of 0 or more, for example 13.");

} // namespace

CAtlasZoom::CAtlasZoom(QWidget* parent) : QDialog(parent), m_editZoom(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Choose a layer display zoom."));
    m_editZoom->setObjectName(QStringLiteral("zoomEdit"));
    auto* spin = new CZoomSpin(this);
    auto* help = new QPushButton(QStringLiteral("Web help"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(
        WrappedLabel(QStringLiteral("Choose a layer display zoom.  0 to 17.  A typical value would be 13.\n"
                                    "Only layers that exist in the atlas can be displayed."),
                     this),
        0, 0, 1, 5);
    grid->addWidget(
        WrappedLabel(QStringLiteral("On your disk the last two digits of the atlas folder names indicate "
                                    "the zoom level of that set of map tiles."),
                     this),
        1, 0, 1, 5);
    grid->addWidget(m_editZoom, 2, 0);
    grid->addWidget(spin, 2, 1);
    grid->addWidget(help, 2, 3, 1, 2);
    grid->addWidget(ok, 3, 3);
    grid->addWidget(cancel, 3, 4);
    grid->setColumnStretch(2, 1);

    connect(spin, &CZoomSpin::SteppedUp, this, [this] { OnDeltaposSpin(true); });
    connect(spin, &CZoomSpin::SteppedDown, this, [this] { OnDeltaposSpin(false); });
    connect(help, &QPushButton::clicked, this, [] { OpenUserGuide(); });
    connect(ok, &QPushButton::clicked, this, &CAtlasZoom::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CAtlasZoom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowZoom();
}

void CAtlasZoom::ShowZoom() {
    m_editZoom->setText(QString::number(g_nZoom));
}

// One level in or out at once. Out stops at zoom 4; in stops where the position would no longer fit.
void CAtlasZoom::OnDeltaposSpin(bool up) {
    if (up) {
        if (DoubleOsmPosition())
            ++g_nZoom;
    } else if (g_nZoom > 4) {
        --g_nZoom;
        HalveOsmPosition();
    }
    ShowZoom();
}

void CAtlasZoom::OnOK() {
    const std::optional<quint32> target = TypedZoom(m_editZoom->text());
    if (!target) {
        ShowMessage(kMsgNegativeZoom);
        return;
    }
    MoveOsmToZoom(*target);
    accept();
}
