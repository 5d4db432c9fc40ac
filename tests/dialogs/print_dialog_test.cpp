#include "dialogs/dialog_driver.h"
#include "dialogs/print_dlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>

using namespace DialogDriver;

// The preview frame takes the page's shape: 250 pixels high, at most 420 wide. "All paper sizes" lists the
// whole table with A4 (the printer's paper) at position 8; a refused custom size leaves the frame as it was.
TEST(PrintDialog, PreviewFrameFollowsPaperAndOrientationAndApplyClampsTheScale) {
    CPrintOSM dialog;
    dialog.show();
    auto* papers = Find<QComboBox>(&dialog, "papers");
    QWidget* frame = Find(&dialog, "preview");
    Click(&dialog, QStringLiteral("All paper sizes"));
    ASSERT_EQ(papers->count(), 118);
    EXPECT_EQ(papers->currentIndex(), 8);
    EXPECT_EQ(papers->currentText(), QStringLiteral("A4 sheet 210 x 297 mm"));
    EXPECT_EQ(Find<QLabel>(&dialog, "paperSize")->text(), QStringLiteral(" 210.00 mm X 297.00 mm"));

    Click(&dialog, QStringLiteral("Landscape"));
    EXPECT_EQ(frame->size(), QSize(353, 250)) << "A4 landscape";
    Click(&dialog, QStringLiteral("Portrait"));
    EXPECT_EQ(frame->size(), QSize(176, 250)) << "A4 portrait";
    Click(&dialog, QStringLiteral("Landscape"));
    QTest::keyClick(papers, Qt::Key_End);
    EXPECT_EQ(frame->size(), QSize(353, 250)) << "A0 landscape";

    Click(&dialog, QStringLiteral("Portrait"));
    Click(&dialog, QStringLiteral("Custom paper size"));
    for (const auto& [width, height, size] :
         {std::tuple{"1000", "100", QSize(420, 42)}, {"1000", "0", {420, 42}}}) {
        Type(Find<QLineEdit>(&dialog, "customWidth"), QString::fromLatin1(width));
        Type(Find<QLineEdit>(&dialog, "customHeight"), QString::fromLatin1(height));
        Click(Find<QPushButton>(&dialog, "applyCustom"));
        EXPECT_EQ(frame->size(), size) << "custom " << width << " x " << height << " portrait";
    }
    EXPECT_EQ(papers->currentText(), QStringLiteral("A0 sheet, 841 x 1189 mm"));
    EXPECT_EQ(TestEnv::MessageTexts(),
              QStringList({QStringLiteral("The custom paper width and height must each be a whole number of "
                                          "millimetres from 1 to 3276.")}));

    // Apply clamps the typed scale.
    auto* slider = dialog.findChild<QSlider*>();
    auto* scale = Find<QLineEdit>(&dialog, "scale");
    ASSERT_EQ(slider->value(), 5);
    for (const auto& [typed, position] : {std::pair{"35", 20}, {"0", 1}, {"7", 7}}) {
        Type(scale, QString::fromLatin1(typed));
        Click(Find<QPushButton>(&dialog, "applyScaling"));
        EXPECT_EQ(slider->value(), position) << typed;
        EXPECT_EQ(scale->text(), QString::number(position)) << typed;
    }
}
