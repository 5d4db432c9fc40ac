#include "atlas/atlas_moves.h"
#include "solid_level.h"

using namespace SolidLevel;

TEST(AtlasMoves, CentreEndAndPagesStayInTheLevel) {
    Write(QStringLiteral("12"), 9, 7);
    Write(QStringLiteral("13"), 2, 1);
    Enter(12);
    EXPECT_EQ(CentreAtlas(), 0);
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved}), (std::array{3, 2, 1}))
        << "left of and above the middle";
    g_bMoved = 0;
    MoveAtlasToEnd();
    EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved}), (std::array{6, 4, 1}));
    // 520 px hold two rows of 256; a page past the 7 rows goes back to the last three, one onto row 7 stays.
    g_nTbX = -2;
    for (const auto& [from, down, to] :
         {std::array{1, 1, 3}, {3, 0, 1}, {1, 0, 0}, {6, 1, 4}, {5, 1, 7}, {0, 0, 0}}) {
        std::tie(g_nTbY, g_bMoved) = std::tuple{from, 0};
        EXPECT_EQ(down ? AtlasPageDown(520) : AtlasPageUp(520), 0);
        EXPECT_EQ((std::array{g_nTbX, g_nTbY, g_bMoved}), (std::array{0, to, 1}))
            << from << (down ? " down" : " up");
    }
    // Without a tile height or a client height there is nothing to page by.
    std::tie(g_nTbY, g_nTileHeight) = std::tuple{5, 0};
    AtlasPageDown(700);
    g_nTileHeight = 256;
    AtlasPageUp(255);
    EXPECT_EQ(g_nTbY, 5);
    Enter(13);
    CentreAtlas();
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, 0}));
    g_nTbX = g_nTbY = 4;
    MoveAtlasToEnd();
    EXPECT_EQ((std::array{g_nTbX, g_nTbY}), (std::array{0, 0}));
}
