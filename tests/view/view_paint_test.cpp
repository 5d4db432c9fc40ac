#include "app/tarnwell_app.h"
#include "state/map_state.h"
#include "state/settings_store.h"
#include "support/test_env.h"
#include "view/tarnwell_view.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

// Paints the view's map into a picture first filled with red.
QImage Paint(CTarnwellView& view, bool printing) {
    QImage picture(view.size(), QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter painter(&picture);
    view.OnDraw(painter, picture.rect(), printing);
    return picture;
}

bool AllRed(const QImage& picture) {
    for (int y = 0; y < picture.height(); y += 7) {
        for (int x = 0; x < picture.width(); x += 7) {
            if (picture.pixel(x, y) != qRgb(255, 0, 0))
                return false;
        }
    }
    return true;
}

} // namespace

TEST(ViewPaint, DialogTypeAndPrintedTrekbuddyPagesDrawNothing) {
    SettingsStore::WriteAtlasFolder(TestEnv::SampleAtlas());
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    CTarnwellView& view = *app.View();
    view.resize(640, 480);

    EXPECT_FALSE(AllRed(Paint(view, false))) << "the Trekbuddy map is drawn on screen";
    EXPECT_TRUE(AllRed(Paint(view, true))) << "a printed Trekbuddy page stays empty";
    g_nMapType = kMapTypeDialog;
    EXPECT_TRUE(AllRed(Paint(view, false))) << "behind a dialog the last picture stays";
}

TEST(ViewPaint, PrintingWritesAPage) {
    CTarnwellApp app;
    ASSERT_TRUE(app.InitInstance());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = TestEnv::TempFolder() + QStringLiteral("/page.pdf");
    printer.setOutputFileName(pdf);
    app.View()->PrintPage(printer);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}
