#include "atlas/screen_moves.h"
#include "shown_view.h"
#include "solid_level.h"

#include <array>

using namespace SolidLevel;

TEST(ScreenMoves, CentreAndPagesStayInTheLevel) {
    Write(QStringLiteral("12"), 10, 8);
    Write(QStringLiteral("13"), 1, 1);
    ShownView shown(QSize(800, 700));
    EXPECT_EQ(CentreAtlas(), 0);
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved}), (std::array{4, 3, 1}))
        << "left of and above the middle";
    // 700 px hold two rows of 256; a page past the 8 rows goes back to the last three.
    g_nTbX = -2;
    for (const auto& [from, down, to] : {std::array{1, 1, 3}, {3, 0, 1}, {1, 0, 0}, {7, 1, 5}}) {
        std::tie(g_nTbY, g_bMoved) = std::tuple{from, 0};
        EXPECT_EQ(down ? AtlasPageDown() : AtlasPageUp(), 0);
        EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved}), (std::array{0, to, 1}))
            << from << (down ? " down" : " up");
    }
    // Without a tile height or a window there is nothing to page by.
    g_nTileHeight = 0;
    AtlasPageDown();
    g_nTileHeight = 256;
    g_pMapWnd = nullptr;
    AtlasPageUp();
    EXPECT_EQ(g_nTbY, 5);
    Enter(13);
    CentreAtlas();
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, 0}));
}
