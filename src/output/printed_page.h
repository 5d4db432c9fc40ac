#pragma once

#include "output/page_geometry.h"
#include "output/tile_grid.h"
#include "platform/printer_resolution.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <functional>
#include <optional>

class QPagedPaintDevice;

// The name every print job carries, whichever map it prints.
inline const QString kPrintJobName = QStringLiteral("Orvex Trekbuddy map");

// What the Print button asks for.
struct PrintRequest {
    QPageSize pageSize;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    int slider = 5;
    PageMargins margins;
};

// How far the job has come: `columns` once the grid is known, then each column as it is drawn, then
// `columns` again when the page has gone.
struct PrintProgress {
    std::function<void(int columns)> started;
    std::function<void(int column)> column;
    std::function<void(int columns)> finished;
};

// The grid in a picture of its own: white, grid.width x grid.height, with the grid's tiles drawn (the
// preview's picture). Nothing when the picture cannot be made (the user has been told).
std::optional<QImage> ComposePage(const GridGeometry& grid, const TileSource& tiles,
                                  const std::function<void(int column)>& column = {});

// Prints one page of the map onto `device`, whose resolution the caller has set to dpi.x, at `dpi`: the
// page is laid out in printer dots and the tiles go straight onto it, so that no picture of the page's size
// is needed however large the paper. False when the page could not be started or finished.
bool PrintMapPage(QPagedPaintDevice& device, PrinterDpi dpi, const PrintRequest& request,
                  const TileSource& tiles, const PrintProgress& progress = {});

// Writes the page at 600 dpi as a one-page PDF file of the requested paper named kPrintJobName, aside and
// renamed to `path` once whole. A file that cannot be written gets a message naming it; false then, and
// whatever `path` held is left as it was.
bool PrintToPdfFile(const QString& path, const PrintRequest& request, const TileSource& tiles,
                    const PrintProgress& progress = {});

// Prints one page as one job named kPrintJobName on the installed printer `printer`, at the resolution its
// queue prints at. A printer that is no longer installed gets a message naming it and nothing is printed,
// rather than the page going to some other printer.
bool PrintOnPrinter(const QString& printer, const PrintRequest& request, const TileSource& tiles,
                    const PrintProgress& progress = {});
