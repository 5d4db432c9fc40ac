#include "app/settings_commands.h"
#include "dialog_driver.h"
#include "dialogs/osm_source_dialog.h"
#include "dialogs/url_opener.h"
#include "state/map_state.h"
#include "support/test_env.h"

#include <QComboBox>
#include <QLabel>

namespace {

const QString kCycle = QStringLiteral("https://a.tile-cyclosm.openstreetmap.fr/cyclosm/");
const QString kToner = QStringLiteral("https://tiles.stadiamaps.com/tiles/stamen_toner/");

struct Seen {
    int selection = -2;
    QString description;
    QImage sample;
};

Seen Look(QWidget* dialog) {
    const QPixmap sample = dialog->findChild<QLabel*>(QStringLiteral("sample"))->pixmap();
    return {dialog->findChild<QComboBox*>(QStringLiteral("serverList"))->currentIndex(),
            dialog->findChild<QLabel*>(QStringLiteral("description"))->text(),
            sample.isNull() ? QImage() : sample.toImage().convertToFormat(QImage::Format_RGB32)};
}

QImage Sample(const char* style) {
    return QImage(QStringLiteral(":/osm_sample_%1.png").arg(QLatin1String(style)))
        .convertToFormat(QImage::Format_RGB32);
}

// Opens the dialog through its command, moves `downs` entries down the list with the keyboard, looks, and
// closes it with `button`.
Seen Choose(int downs, const QString& button) {
    Seen seen;
    DialogDriver::WhenModal([&](QWidget* dialog) {
        EXPECT_EQ(g_nMapType, kMapTypeDialog);
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("serverList"));
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        seen = Look(dialog);
        DialogDriver::Click(dialog, button);
    });
    OnOsmSetosmsource();
    return seen;
}

} // namespace

TEST(OsmSourceDialog, FirstOpeningShowsTheStandardSampleAndOkTakesTheChosenServer) {
    Seen first;
    DialogDriver::WhenModal([&](QWidget* dialog) {
        first = Look(dialog);
        dialog->close();
    });
    OnOsmSetosmsource();
    EXPECT_EQ(first.selection, -1);
    EXPECT_EQ(first.description, QStringLiteral("Web tile server -default"));
    EXPECT_EQ(first.sample, Sample("standard"));

    g_nMapType = kMapTypeTrekbuddy;
    const Seen cycle = Choose(2, QStringLiteral("OK"));
    EXPECT_EQ(cycle.selection, 1);
    EXPECT_EQ(cycle.description, QStringLiteral("case 1 ") + kCycle);
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
    EXPECT_EQ(again.selection, -1);
    EXPECT_EQ(again.description, QStringLiteral("Web tile server -default"));
    EXPECT_TRUE(again.sample.isNull());
    EXPECT_EQ((QStringList{g_wszOsmUrl, g_wszOsmServer}), (QStringList{kCycle, kCycle}));
}

TEST(OsmSourceDialog, TheLinkOpensTheCopyrightPage) {
    DialogDriver::OpenedUrls opened;
    COSMSource dialog;
    dialog.show();
    auto* link = dialog.findChild<QLabel*>(QStringLiteral("copyrightLink"));
    EXPECT_EQ(link->toolTip(), QStringLiteral("Open Database License"));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, link->height() / 2));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://www.openstreetmap.org/copyright"))});
}
