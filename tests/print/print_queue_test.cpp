#include "support/print_queue.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <gtest/gtest.h>

// A page sent through Qt to the test queue arrives as a PDF that shows what was drawn, where it was drawn.
TEST(PrintQueue, PrintedRectangleArrivesWhereItWasDrawn) {
    ASSERT_TRUE(PrintQueue::Ready());
    const int before = PrintQueue::JobCount();

    QPrinter printer(QPrinterInfo::printerInfo(PrintQueue::Name()), QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QPainter painter(&printer);
    const int dpi = printer.resolution();
    painter.fillRect(QRect(dpi, 2 * dpi, dpi, dpi), QColor(200, 30, 40));
    ASSERT_TRUE(painter.end());

    const QString pdf = PrintQueue::WaitForJob(before);
    ASSERT_FALSE(pdf.isEmpty()) << "no job arrived";
    const QImage page = PrintQueue::PdfPage(pdf, 72);
    ASSERT_EQ(page.size(), QSize(595, 842)) << "one A4 page at 72 dpi";
    EXPECT_EQ(page.pixelColor(108, 180), QColor(200, 30, 40)) << "inside the rectangle";
    for (const QPoint outside : {QPoint(60, 180), QPoint(156, 180), QPoint(108, 132), QPoint(108, 228)})
        EXPECT_EQ(page.pixelColor(outside), QColor(Qt::white)) << outside.x() << "," << outside.y();
}
