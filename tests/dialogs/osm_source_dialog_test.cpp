#include "app/settings_commands.h"
#include "dialog_driver.h"
#include "dialogs/osm_source_dialog.h"

#include <QComboBox>

using namespace DialogDriver;

namespace {

const QString kCycle = QStringLiteral("https://a.tile-cyclosm.openstreetmap.fr/cyclosm/");
const QString kDefault = QStringLiteral("Web tile server -default");

struct Seen {
    int selection = -2;
    QString description;
    QImage sample;
};

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

TEST(OsmSourceDialog, FirstOpeningShowsTheStandardSampleAndOkTakesTheChosenServer) {
    const Seen first = Choose(0, QStringLiteral("Cancel"));
    EXPECT_EQ(std::tuple(first.selection, first.description), std::tuple(-1, kDefault));
    EXPECT_EQ(first.sample, Sample("standard"));

    g_nMapType = kMapTypeTrekbuddy;
    const Seen cycle = Choose(2, QStringLiteral("OK"));
    EXPECT_EQ(std::tuple(cycle.selection, cycle.description),
              std::tuple(1, QStringLiteral("case 1 ") + kCycle));
    EXPECT_EQ(cycle.sample, Sample("cycle"));
    EXPECT_EQ((QStringList{g_wszOsmUrl, g_wszOsmServer}), (QStringList{kCycle, kCycle}));
    EXPECT_EQ(g_nMapType, kMapTypeOsm);
}

TEST(OsmSourceDialog, LaterOpeningsStartEmptyAndCancelOrNoSelectionKeepTheServer) {
    g_wszOsmUrl = g_wszOsmServer = kCycle;
    g_nMapType = kMapTypeTrekbuddy;
    const Seen toner = Choose(5, QStringLiteral("Cancel"));
    EXPECT_TRUE(toner.description.contains(QStringLiteral("Toner")));
    EXPECT_FALSE(toner.description.contains(QStringLiteral("Humanitarian"), Qt::CaseInsensitive));
    EXPECT_EQ(toner.sample, Sample("toner"));
    EXPECT_EQ((QStringList{g_wszOsmUrl, g_wszOsmServer}), (QStringList{kCycle, kCycle}));
    EXPECT_EQ(g_nMapType, kMapTypeOsm) << "the OSM map follows whatever the outcome";

    const Seen again = Choose(0, QStringLiteral("OK"));
    EXPECT_EQ(std::tuple(again.selection, again.description, again.sample.isNull()),
              std::tuple(-1, kDefault, true));
    EXPECT_EQ((QStringList{g_wszOsmUrl, g_wszOsmServer}), (QStringList{kCycle, kCycle}));
}

TEST(OsmSourceDialog, TheLinkOpensTheCopyrightPage) {
    OpenedUrls opened;
    COSMSource dialog;
    dialog.show();
    auto* link = Find<QLabel>(&dialog, "copyrightLink");
    EXPECT_EQ(link->toolTip(), QStringLiteral("Open Database License"));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, link->height() / 2));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.openstreetmap.org/copyright"))});
}
