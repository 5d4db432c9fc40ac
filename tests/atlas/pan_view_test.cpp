#include "atlas/atlas_click.h"
#include "shown_view.h"
#include "solid_level.h"

#include <array>
#include <limits>

using namespace SolidLevel;

TEST(PanView, AWideImageFillsTheWidthATallOneTheHeightAndClicksPickTheirTile) {
    const QString panFile = LevelFolder(QStringLiteral("12")) + QStringLiteral("/pan.jpg");
    ShownView shown(QSize(800, 600));
    const struct {
        QSize size;
        QPoint inside, outside, click;
        std::array<qint32, 2> tile;
    } pans[] = {{{800, 400}, {797, 430}, {400, 438}, {400, 232}, {5, 2}},
                // Right of the 300 px wide image is one past the last column; 68 / 600 * 800 = 90.7 is row 1.
                {{400, 800}, {290, 300}, {310, 300}, {700, 100}, {5, 1}}};
    for (const auto& [size, inside, outside, click, tile] : pans) {
        QImage pan(size, QImage::Format_RGB32);
        pan.fill(Qt::red);
        // Saved as PNG under the .jpg name: read by content, whatever the name says.
        ASSERT_TRUE(pan.save(panFile, "PNG"));
        g_bPanView = 1;
        const QImage image = Render(800, 600);
        EXPECT_TRUE(HasWhite(image, QRect(19, 4, 400, 12))) << "header";
        EXPECT_EQ((std::array{image.pixel(0, 33), image.pixel(inside), image.pixel(outside)}),
                  (std::array<QRgb, 3>{0xffff0000, 0xffff0000, kBlack}));
        OnAtlasClick(click, shown.view.size());
        EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bPanView, g_bMoved}), (std::array{tile[0], tile[1], 0, 0}));
    }
}

TEST(PanView, WithoutAPanImageTheNoteShowsAndClicksUseTheLastImageDrawn) {
    Write(QStringLiteral("12"), 4, 4);
    ShownView shown(QSize(800, 600));
    g_bPanView = 1;
    const QImage image = Render(800, 600);
    EXPECT_TRUE(HasWhite(image, QRect(19, 4, 400, 12)) && HasWhite(image, QRect(50, 199, 400, 30)));
    // Never an image yet: the view's size stands in and every click goes to the first tile.
    g_nTbX = 3;
    OnAtlasClick(QPoint(700, 500), shown.view.size());
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, 0}));
    EXPECT_EQ((std::array{g_fPanShownWidth, g_fPanShownHeight}), (std::array{800.0f, 600.0f}));

    std::tie(g_nPanImageWidth, g_nPanImageHeight, g_fPanShownWidth, g_fPanShownHeight, g_bPanView) =
        std::tuple{1600, 800, 800.0f, 400.0f, 1};
    Render(800, 600);
    OnAtlasClick(QPoint(400, 232), shown.view.size());
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{10, 5}));

    // A shown size that is not a number gives column 0; a huge image height the largest row, not garbage.
    const qint32 last = std::numeric_limits<qint32>::max();
    std::tie(g_nPanImageHeight, g_fPanShownWidth, g_fPanShownHeight, g_bPanView) =
        std::tuple{last, std::numeric_limits<float>::quiet_NaN(), 200.0f, 1};
    OnAtlasClick(QPoint(400, 232), shown.view.size());
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, last / 80}));
}
