#include "app/settings_commands.h"
#include "dialog_driver.h"
#include "dialogs/osm_source_dialog.h"

#include <QComboBox>

using namespace DialogDriver;

namespace {

const QString kCycle = QStringLiteral("https://a.tile-cyclosm.openstreetmap.fr/cyclosm/");
const QString kDefault = QStringLiteral("Web tile server -default");

// The selected entry, the description and the sample picture.
using Seen = std::tuple<int, QString, QImage>;

QImage Sample(const char* style) {
    return QImage(QStringLiteral(":/osm_sample_%1.png").arg(QLatin1String(style)))
        .convertToFormat(QImage::Format_RGB32);
}

// Opens the dialog through its command, moves `downs` entries down the list with the keyboard, looks, and
// closes it with `button`.
Seen Choose(int downs, const QString& button) {
    Seen seen;
    WhenModal([&](QWidget* dialog) {
        auto* list = Find<QComboBox>(dialog, "serverList");
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        const QPixmap sample = Find<QLabel>(dialog, "sample")->pixmap();
        seen = {list->currentIndex(), Find<QLabel>(dialog, "description")->text(),
                sample.isNull() ? QImage() : sample.toImage().convertToFormat(QImage::Format_RGB32)};
        Click(dialog, button);
    });
    OnOsmSetosmsource();
    return seen;
}

} // namespace

// The list starts without a selection at every opening; OK with one takes its server, and the OSM map
// follows whatever the outcome.
TEST(OsmSourceDialog, OkTakesTheChosenServerCancelOrNoSelectionKeepItAndTheLinkOpensTheCopyrightPage) {
    EXPECT_EQ(Choose(0, QStringLiteral("Cancel")), Seen(-1, kDefault, Sample("standard")));
    g_nMapType = kMapTypeTrekbuddy;
    EXPECT_EQ(Choose(2, QStringLiteral("OK")), Seen(1, QStringLiteral("case 1 ") + kCycle, Sample("cycle")));
    EXPECT_EQ(std::tuple(g_wszOsmUrl, g_wszOsmServer, g_nMapType), std::tuple(kCycle, kCycle, kMapTypeOsm));

    g_nMapType = kMapTypeTrekbuddy;
    const auto [selection, description, sample] = Choose(5, QStringLiteral("Cancel"));
    EXPECT_TRUE(description.contains(QStringLiteral("Toner")));
    EXPECT_FALSE(description.contains(QStringLiteral("Humanitarian"), Qt::CaseInsensitive));
    EXPECT_EQ(sample, Sample("toner"));
    EXPECT_EQ(std::tuple(g_wszOsmUrl, g_wszOsmServer, g_nMapType), std::tuple(kCycle, kCycle, kMapTypeOsm));
    EXPECT_EQ(Choose(0, QStringLiteral("OK")), Seen(-1, kDefault, QImage()));
    EXPECT_EQ(std::pair(g_wszOsmUrl, g_wszOsmServer), std::pair(kCycle, kCycle));
    // The first entry is a choice like any other.
    const QString standard = QStringLiteral("https://tile.openstreetmap.org/");
    EXPECT_EQ(Choose(1, QStringLiteral("OK")),
              Seen(0, QStringLiteral("case0  ") + standard, Sample("standard")));
    EXPECT_EQ(std::pair(g_wszOsmUrl, g_wszOsmServer), std::pair(standard, standard));

    OpenedUrls opened;
    COSMSource dialog;
    dialog.show();
    auto* link = Find<QLabel>(&dialog, "copyrightLink");
    EXPECT_EQ(link->toolTip(), QStringLiteral("Open Database License"));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, link->height() / 2));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.openstreetmap.org/copyright"))});
}
