#pragma once

#include "output/page_geometry.h"
#include "output/tile_grid.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <functional>
#include <optional>

class QPrinter;

// The name every print job carries, whichever map it prints.
inline const QString kPrintJobName = QStringLiteral("Orvex Trekbuddy map");

// What the Print button asks for. The printer itself, with its resolution, is set up by the caller.
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

// The page image: white, grid.width x grid.height, with the grid's tiles drawn. Nothing when the image
// cannot be made (the user has been told).
std::optional<QImage> ComposePage(const GridGeometry& grid, const TileSource& tiles,
                                  const std::function<void(int column)>& column = {});

// Prints one page of the map as one job named kPrintJobName on `printer`, at the printer's resolution.
// False when the job could not be started or was given up.
bool PrintMapPage(QPrinter& printer, const PrintRequest& request, const TileSource& tiles,
                  const PrintProgress& progress = {});
