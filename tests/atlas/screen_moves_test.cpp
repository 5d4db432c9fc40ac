#include "atlas/screen_moves.h"
#include "shown_view.h"
#include "solid_level.h"

using namespace SolidLevel;

TEST(ScreenMoves, CentreGoesToTheTileLeftOfAndAboveTheMiddle) {
    Write(QStringLiteral("12"), 10, 8);
    Write(QStringLiteral("13"), 1, 1);
    Enter(12);
    EXPECT_EQ(CentreAtlas(), 0);
    EXPECT_EQ(g_nTbX, 4);
    EXPECT_EQ(g_nTbY, 3);
    EXPECT_EQ(g_bMoved, 1);
    Enter(13);
    CentreAtlas();
    EXPECT_EQ(g_nTbX, 0);
    EXPECT_EQ(g_nTbY, 0);
}

TEST(ScreenMoves, PagesMoveByTheRowsThatFitTheWindowAndStayInTheLevel) {
    Write(QStringLiteral("12"), 10, 8);
    ShownView shown(QSize(800, 700));
    g_nTbY = 1;
    EXPECT_EQ(AtlasPageDown(), 0);
    EXPECT_EQ(g_nTbY, 3);
    EXPECT_EQ(g_bMoved, 1);
    AtlasPageUp();
    EXPECT_EQ(g_nTbY, 1);
    AtlasPageUp();
    EXPECT_EQ(g_nTbY, 0);
    g_nTbY = 7;
    AtlasPageDown();
    EXPECT_EQ(g_nTbY, 5) << "past the 8 rows: back to the last three";
    g_nTbX = -2;
    AtlasPageDown();
    EXPECT_EQ(g_nTbX, 0);
}

TEST(ScreenMoves, PagesWithoutATileHeightOrWindowStayPut) {
    Write(QStringLiteral("12"), 10, 8);
    ShownView shown(QSize(800, 700));
    g_nTileHeight = 0;
    g_nTbY = 2;
    AtlasPageDown();
    EXPECT_EQ(g_nTbY, 2);
    g_nTileHeight = 256;
    g_pMapWnd = nullptr;
    AtlasPageUp();
    EXPECT_EQ(g_nTbY, 2);
    EXPECT_EQ(g_bMoved, 1);
}
