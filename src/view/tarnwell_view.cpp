#include "view/tarnwell_view.h"

#include "atlas/calibration.h"
#include "atlas/level_folder.h"
#include "atlas/trekbuddy.h"
#include "dialogs/atlas_zoom_dialog.h"
#include "osm/osm_view.h"
#include "platform/message_box.h"
#include "state/map_settings.h"
#include "state/map_state.h"
#include "view/behind_map.h"

#include <QPainter>
#include <QPrinter>

CTarnwellView::CTarnwellView(CTarnwellDoc* document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    setMouseTracking(true);
    g_pView = this;
    g_nMapType = kMapTypeTrekbuddy;
    g_bPanView = 0;
    g_wszOsmUrl = kOsmStandardServerUrl;
    g_wszOsmServer = kOsmStandardServerUrl;
}

CTarnwellView::~CTarnwellView() {
    // The map objects go with the view; nothing may point at them afterwards.
    if (g_pTrekbuddy == m_pTrekbuddy.get())
        g_pTrekbuddy = nullptr;
    if (g_pOsmView == m_pOsmView.get())
        g_pOsmView = nullptr;
    if (g_pView == this)
        g_pView = nullptr;
    if (g_pMapWnd == this)
        g_pMapWnd = nullptr;
}

namespace {

// The state each map object starts from; `lookUpFolder` finds the folder that map reads.
void StartMapState(void (*lookUpFolder)()) {
    g_bPanView = 0;
    g_szAtlasFolder.clear();
    ReadAtlasZoom();
    g_nZoom = 12;
    lookUpFolder();
    g_bMoved = 1;
    g_nTbX = g_nTbY = 0;
}

} // namespace

void CTarnwellView::OnInitialUpdate() {
    if (m_bInitDone)
        return;
    m_bInitDone = true;
    g_pMapWnd = this;

    m_pTrekbuddy = std::make_unique<CTrekbuddy>();
    StartMapState([] { GetLevelFolder(); });
    g_pTrekbuddy = m_pTrekbuddy.get();

    m_pOsmView = std::make_unique<COsmView>();
    StartMapState([] { GetAtlasFolder(); });
    g_pOsmView = m_pOsmView.get();

    g_nZoom = 12;
    if (m_pTrekbuddy) {
        LoadLevel();
        // The status text shows the calibrated position of the first tile from the first paint on, not 0, 0.
        ReadCalibration();
    }
}

void CTarnwellView::showEvent(QShowEvent*) {
    // The paint that follows a show finds its tiles already decoding on the other cores.
    if (g_nMapType == kMapTypeTrekbuddy && m_pTrekbuddy)
        m_pTrekbuddy->DecodeAhead(size());
}

MapKind* CTarnwellView::CurrentMap() {
    // Every other map type means a command's dialog is up: the map takes nothing and the last picture stays.
    const std::pair<quint32, MapKind*> maps[] = {{kMapTypeOsm, m_pOsmView.get()},
                                                 {kMapTypeTrekbuddy, m_pTrekbuddy.get()}};
    for (const auto& [type, map] : maps) {
        if (type == g_nMapType && map) {
            g_pMapWnd = this;
            return map;
        }
    }
    return nullptr;
}

void CTarnwellView::Follow(const MapReply& reply) {
    if (reply.chooseZoom) {
        CAtlasZoom dialog(this);
        dialog.exec();
        if (MapKind* map = CurrentMap())
            map->ZoomChosen();
    }
    if (reply.title)
        window()->setWindowTitle(*reply.title);
    if (reply.repaint) {
        Invalidate();
        // The map moved under a pointer that stayed put.
        ShowPointerPosition();
    }
}

void CTarnwellView::OnDraw(QPainter& painter, const QRect& clipBox, bool printing) {
    if (!m_document)
        return;
    if (MapKind* map = CurrentMap())
        Follow(map->Draw(painter, clipBox, printing ? DrawPurpose::Print : DrawPurpose::Screen));
}

void CTarnwellView::Invalidate(bool erase) {
    if (erase)
        m_eraseNext = true;
    update();
}

void CTarnwellView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_eraseNext) {
        m_eraseNext = false;
        painter.fillRect(rect(), Qt::black);
    }
    OnDraw(painter, rect());
}

void CTarnwellView::OnViewMaptype7trekbuddy() {
    g_nMapType = kMapTypeTrekbuddy;
    if (m_pTrekbuddy)
        LoadLevel();
    if (g_pView)
        g_pView->Invalidate(true);
}

void CTarnwellView::OnViewMaptype6osm() {
    g_wszOsmUrl = g_wszOsmServer;
    g_nZoom = kOsmDefaultZoom;
    g_nOsmX = kOsmDefaultX;
    g_nOsmY = kOsmDefaultY;
    g_nMapType = kMapTypeOsm;
    if (!g_pOsmView)
        return;
    g_pMapWnd = this;
    repaint();
    Invalidate();
}

void CTarnwellView::OnViewRefresh() {
    Invalidate();
}

namespace {

void ShowTestMessage(const QString& text) {
    BehindMap(g_nMapType, [&text] { ShowMessage(text); });
}

} // namespace

void CTarnwellView::OnMapStartposition() {
    ShowTestMessage(QStringLiteral("OnMapStartposition This function does not work"));
}

void CTarnwellView::OnMapGetscreenmap() {
    ShowTestMessage(QStringLiteral("OnMapGetscreenmap This is a test function and has been disabled"));
}
