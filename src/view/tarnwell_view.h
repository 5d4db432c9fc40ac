#pragma once

#include <QWidget>
#include <memory>
#include <optional>

class CTarnwellDoc;
class CTrekbuddy;
class COsmView;
class MapKind;
struct MapReply;
class QMenu;
class QPrinter;

// The one view of the main window. It turns paints, keys and clicks into calls on the map code.
class CTarnwellView : public QWidget {
    Q_OBJECT
public:
    explicit CTarnwellView(CTarnwellDoc* document, QWidget* parent = nullptr);
    ~CTarnwellView() override;

    // Creates the two map objects and sets up the map state; runs once per program run.
    void OnInitialUpdate();

    // Draws the map of the current map type onto `painter` within `clipBox`. A printed page gets only the OSM
    // map: the Trekbuddy map always draws into the view's own window, so its page stays empty.
    void OnDraw(QPainter& painter, const QRect& clipBox, bool printing = false);

    // The framework's printing through OnDraw: a print dialog, a preview, and one page onto a printer.
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void PrintPage(QPrinter& printer);

    // Asks for a repaint of the whole view; with `erase` the view is cleared to black first.
    void Invalidate(bool erase = false);

    // The popup menu of the right button ("Edit": Cut, Copy, Paste).
    void SetContextMenu(QMenu* menu) { m_contextMenu = menu; }

    // View commands.
    void OnViewMaptype7trekbuddy();
    void OnViewMaptype6osm();
    void OnViewRefresh();
    void OnMapStartposition();
    void OnMapGetscreenmap();

    // Input, as the key and mouse events deliver it.
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void OnLButtonDown(const QPoint& point);

signals:
    // The place under the mouse pointer as the status bar shows it; empty where there is none.
    void PointerPositionChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Whether any part of the view can be seen.
    bool HasVisibleArea() const;
    // The map object of the current map type, pointed at this view as its window; none while a command's
    // dialog is up or before the initial update.
    MapKind* CurrentMap();
    // Does what a map asked for after an event.
    void Follow(const MapReply& reply);
    // Tells where the pointer is over the map shown.
    void ShowPointerPosition();
    void ShowContextMenu(const QPoint& globalPoint);
    QPrinter& Printer();

    CTarnwellDoc* m_document;
    std::unique_ptr<CTrekbuddy> m_pTrekbuddy;
    std::unique_ptr<COsmView> m_pOsmView;
    bool m_bInitDone = false;
    bool m_eraseNext = false;
    QMenu* m_contextMenu = nullptr;
    int m_wheelAngle = 0;            // wheel turn not yet used up by a whole notch
    std::optional<QPoint> m_pointer; // where the mouse pointer is over the view
    // The printer chosen with Print Setup, kept for the next print.
    std::unique_ptr<QPrinter> m_printer;
};
