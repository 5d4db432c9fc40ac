#include "app/running_app.h"

#include <QPainter>
#include <QPrinter>

namespace {

// Whether painting the map into a red picture left it all red.
bool PaintsNothing(CTarnwellView& view, bool printing) {
    QImage red(view.size(), QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage picture = red;
    QPainter painter(&picture);
    view.OnDraw(painter, picture.rect(), printing);
    painter.end();
    return picture == red;
}

} // namespace

TEST(ViewPaint, DialogTypeAndPrintedTrekbuddyPagesDrawNothing) {
    SettingsStore::WriteAtlasFolder(TestEnv::SampleAtlas());
    RunningApp app;
    app.View()->resize(640, 480);
    EXPECT_FALSE(PaintsNothing(*app.View(), false)) << "the Trekbuddy map is drawn on screen";
    EXPECT_TRUE(PaintsNothing(*app.View(), true)) << "a printed Trekbuddy page stays empty";
    g_nMapType = kMapTypeDialog;
    EXPECT_TRUE(PaintsNothing(*app.View(), false)) << "behind a dialog the last picture stays";

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(TestEnv::TempFolder() + QStringLiteral("/page.pdf"));
    app.View()->PrintPage(printer);
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
}
