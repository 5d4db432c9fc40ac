#include "view/tarnwell_view.h"

#include "app/tarnwell_doc.h"
#include "atlas/calibration.h"
#include "atlas/level_folder.h"
#include "atlas/trekbuddy.h"
#include "osm/osm_view.h"
#include "platform/message_box.h"
#include "state/map_settings.h"
#include "state/map_state.h"

#include <QPainter>
#include <QPrinter>

CTarnwellView::CTarnwellView(CTarnwellDoc* document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
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

void CTarnwellView::OnDraw(QPainter& painter, const QRect& clipBox, bool printing) {
    if (!m_document)
        return;
    switch (g_nMapType) {
    case kMapTypeOsm:
        if (g_pOsmView)
            g_pOsmView->DrawOsmMap(painter, clipBox);
        if (g_bOsmRepaint == 1) {
            g_bOsmRepaint = 0;
            Invalidate();
        }
        break;
    case kMapTypeTrekbuddy:
        if (!m_pTrekbuddy)
            break;
        g_pMapWnd = this;
        if (printing)
            update();
        else
            m_pTrekbuddy->DrawAtlas(painter, rect());
        break;
    default:
        // A command's dialog is up: the last picture stays.
        break;
    }
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
    const quint32 saved = g_nMapType;
    g_nMapType = kMapTypeDialog;
    ShowMessage(text);
    g_nMapType = saved;
}

} // namespace

void CTarnwellView::OnMapStartposition() {
    ShowTestMessage(QStringLiteral("OnMapStartposition This function does not work"));
}

void CTarnwellView::OnMapGetscreenmap() {
    ShowTestMessage(QStringLiteral("OnMapGetscreenmap This is a test function and has been disabled"));
}
