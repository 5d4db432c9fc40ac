#include "view/tarnwell_view.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void CTarnwellView::PrintPage(QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    // The painter's origin is the top-left of the printable area.
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    OnDraw(painter, QRect(QPoint(0, 0), page), true);
}

QPrinter& CTarnwellView::Printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

void CTarnwellView::OnFilePrint() {
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        PrintPage(Printer());
}

void CTarnwellView::OnFilePrintSetup() {
    QPageSetupDialog(&Printer(), this).exec();
}

void CTarnwellView::OnFilePrintPreview() {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintPage(*printer); });
    preview.exec();
}
