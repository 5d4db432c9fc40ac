#include "output/paper_codes.h"
#include "output/paper_table.h"

#include <QSizeF>
#include <gtest/gtest.h>

namespace {

struct Sheet {
    int code;
    const char* name;
    int width;
    int height;
};

// The paper table as the print dialog must list it, written out: code, name and size in tenths of a mm.
const Sheet kSheets[] = {
    {.code = 1, .name = "Letter 8 1/2 x 11 in", .width = 2159, .height = 2794},
    {.code = 2, .name = "Letter Small 8 1/2 x 11 in", .width = 2159, .height = 2794},
    {.code = 3, .name = "Tabloid 11 x 17 in", .width = 2794, .height = 4318},
    {.code = 4, .name = "Ledger 17 x 11 in", .width = 4318, .height = 2794},
    {.code = 5, .name = "Legal 8 1/2 x 14 in", .width = 2159, .height = 3556},
    {.code = 6, .name = "Statement 5 1/2 x 8 1/2 in", .width = 1397, .height = 2159},
    {.code = 7, .name = "Executive 7 1/4 x 10 1/2 in", .width = 1842, .height = 2667},
    {.code = 8, .name = "A3 sheet 297 x 420 mm", .width = 2970, .height = 4200},
    {.code = 9, .name = "A4 sheet 210 x 297 mm", .width = 2100, .height = 2970},
    {.code = 10, .name = "A4 small sheet 210 x 297 mm", .width = 2100, .height = 2970},
    {.code = 11, .name = "A5 sheet 148 x 210 mm", .width = 1480, .height = 2100},
    {.code = 12, .name = "B4 sheet 250 x 354 mm", .width = 2500, .height = 3540},
    {.code = 13, .name = "B5 sheet 182 x 257 millimeter", .width = 1820, .height = 2570},
    {.code = 14, .name = "Folio 8 1/2 x 13 in", .width = 2159, .height = 3302},
    {.code = 15, .name = "Quarto 215 x 275 mm", .width = 2150, .height = 2750},
    {.code = 16, .name = "10 x 14 in", .width = 2540, .height = 3556},
    {.code = 17, .name = "11 x 17 in", .width = 2794, .height = 4318},
    {.code = 18, .name = "Note 8 1/2 x 11 in", .width = 2159, .height = 2794},
    {.code = 19, .name = "#9 Envelope 3 7/8 x 8 7/8 in", .width = 984, .height = 2254},
    {.code = 20, .name = "#10 Envelope 4 1/8 x 9 1/2 in", .width = 1048, .height = 2413},
    {.code = 21, .name = "#11 Envelope 4 1/2 x 10 3/8 in", .width = 1143, .height = 2635},
    {.code = 22, .name = "#12 Envelope 4 3/4 x 11 in", .width = 1206, .height = 2794},
    {.code = 23, .name = "#14 Envelope 5 x 11 1/2 in", .width = 1270, .height = 2921},
    {.code = 24, .name = "C sheet 17 x 22 in", .width = 4318, .height = 5588},
    {.code = 25, .name = "D sheet 22 x 34 in", .width = 5588, .height = 8636},
    {.code = 26, .name = "E sheet 34 x 44 in", .width = 8636, .height = 11176},
    {.code = 27, .name = "DL Envelope 110 x 220 mm", .width = 1100, .height = 2200},
    {.code = 28, .name = "C5 Envelope 162 x 229 mm", .width = 1620, .height = 2290},
    {.code = 29, .name = "C3 Envelope 324 x 458 mm", .width = 3240, .height = 4580},
    {.code = 30, .name = "C4 Envelope 229 x 324 mm", .width = 2290, .height = 3240},
    {.code = 31, .name = "C6 Envelope 114 x 162 mm", .width = 1140, .height = 1620},
    {.code = 32, .name = "C65 Envelope 114 x 229 mm", .width = 1140, .height = 2290},
    {.code = 33, .name = "B4 Envelope 250 x 353 mm", .width = 2500, .height = 3530},
    {.code = 34, .name = "B5 Envelope 176 x 250 mm", .width = 1760, .height = 2500},
    {.code = 35, .name = "B6 Envelope 176 x 125 mm", .width = 1760, .height = 1250},
    {.code = 36, .name = "Italy Envelope 110 x 230 mm", .width = 1100, .height = 2300},
    {.code = 37, .name = "Monarch Envelope 3 7/8 x 7 1/2 in", .width = 984, .height = 1905},
    {.code = 38, .name = "6 3/4 Envelope 3 5/8 x 6 1/2 in", .width = 921, .height = 1651},
    {.code = 39, .name = "US Std Fanfold 14 7/8 x 11 in", .width = 3778, .height = 2794},
    {.code = 40, .name = "German Std Fanfold 8 1/2 x 12 in", .width = 2159, .height = 3048},
    {.code = 41, .name = "German Legal Fanfold 8 1/2 x 13 in", .width = 2159, .height = 3302},
    {.code = 42, .name = "B4 (ISO) 250 x 353 mm", .width = 2500, .height = 3530},
    {.code = 43, .name = "Japanese Postcard 100 x 148 mm", .width = 1000, .height = 1480},
    {.code = 44, .name = "9 x 11 in", .width = 2286, .height = 2794},
    {.code = 45, .name = "10 x 11 in", .width = 2540, .height = 2794},
    {.code = 46, .name = "15 x 11 in", .width = 3810, .height = 2794},
    {.code = 47, .name = "Envelope Invite 220 x 220 mm", .width = 2200, .height = 2200},
    {.code = 48, .name = "Letter Extra 9 1/2 x 12 in", .width = 2413, .height = 3048},
    {.code = 49, .name = "Legal Extra 9 1/2 x 15 in", .width = 2413, .height = 3810},
    {.code = 50, .name = "Tabloid Extra 11.69 x 18 in", .width = 2969, .height = 4572},
    {.code = 51, .name = "A4 Extra 9.27 x 12.69 in", .width = 2355, .height = 3223},
    {.code = 52, .name = "Letter Transverse 8 1/2 x 11 in", .width = 2159, .height = 2794},
    {.code = 53, .name = "A4 Transverse 210 x 297 mm", .width = 2100, .height = 2970},
    {.code = 54, .name = "Letter Extra Transverse 9.275 x 12 in", .width = 2355, .height = 3048},
    {.code = 55, .name = "SuperA/SuperA/A4 227 x 356 mm", .width = 2270, .height = 3560},
    {.code = 56, .name = "SuperB/SuperB/A3 305 x 487 mm", .width = 3050, .height = 4870},
    {.code = 57, .name = "Letter Plus 8 1/2 x 12.69 in", .width = 2159, .height = 3223},
    {.code = 58, .name = "A4 Plus 210 x 330 mm", .width = 2100, .height = 3300},
    {.code = 59, .name = "A5 Transverse 148 x 210 mm", .width = 1480, .height = 2100},
    {.code = 60, .name = "B5 (JIS) Transverse 182 x 257 mm", .width = 1820, .height = 2570},
    {.code = 61, .name = "A3 Extra 322 x 445 mm", .width = 3220, .height = 4450},
    {.code = 62, .name = "A5 Extra 174 x 235 mm", .width = 1740, .height = 2350},
    {.code = 63, .name = "B5 (ISO) Extra 201 x 276 mm", .width = 2010, .height = 2760},
    {.code = 64, .name = "A2 420 x 594 mm", .width = 4200, .height = 5940},
    {.code = 65, .name = "A3 Transverse 297 x 420 mm", .width = 2970, .height = 4200},
    {.code = 66, .name = "A3 Extra Transverse 322 x 445 mm", .width = 3220, .height = 4450},
    {.code = 67, .name = "Japanese Double Postcard 200 x 148 mm", .width = 2000, .height = 1480},
    {.code = 68, .name = "A6 105 x 148 mm", .width = 1050, .height = 1480},
    {.code = 69, .name = "Japanese Envelope Kaku #2", .width = 2400, .height = 3320},
    {.code = 70, .name = "Japanese Envelope Kaku #3", .width = 2160, .height = 2770},
    {.code = 71, .name = "Japanese Envelope Chou #3", .width = 1200, .height = 2350},
    {.code = 72, .name = "Japanese Envelope Chou #4", .width = 900, .height = 2050},
    {.code = 73, .name = "Letter Rotated 11 x 8 1/2 in", .width = 2794, .height = 2159},
    {.code = 74, .name = "A3 Rotated 420 x 297 mm", .width = 4200, .height = 2970},
    {.code = 75, .name = "A4 Rotated 297 x 210 mm", .width = 2970, .height = 2100},
    {.code = 76, .name = "A5 Rotated 210 x 148 mm", .width = 2100, .height = 1480},
    {.code = 77, .name = "B4 (JIS) Rotated 364 x 257 mm", .width = 3640, .height = 2570},
    {.code = 78, .name = "B5 (JIS) Rotated 257 x 182 mm", .width = 2570, .height = 1820},
    {.code = 79, .name = "Japanese Postcard Rotated 148 x 100 mm", .width = 1480, .height = 1000},
    {.code = 80, .name = "Double Japanese Postcard Rotated 148 x 200 mm", .width = 1480, .height = 2000},
    {.code = 81, .name = "A6 Rotated 148 x 105 mm", .width = 1480, .height = 1050},
    {.code = 82, .name = "Japanese Envelope Kaku #2 Rotated", .width = 3320, .height = 2400},
    {.code = 83, .name = "Japanese Envelope Kaku #3 Rotated", .width = 2770, .height = 2160},
    {.code = 84, .name = "Japanese Envelope Chou #3 Rotated", .width = 2350, .height = 1200},
    {.code = 85, .name = "Japanese Envelope Chou #4 Rotated", .width = 2050, .height = 900},
    {.code = 86, .name = "B6 (JIS) 128 x 182 mm", .width = 1280, .height = 1820},
    {.code = 87, .name = "B6 (JIS) Rotated 182 x 128 mm", .width = 1820, .height = 1280},
    {.code = 88, .name = "12 x 11 in", .width = 3048, .height = 2794},
    {.code = 89, .name = "Japanese Envelope You #4", .width = 2350, .height = 1050},
    {.code = 90, .name = "Japanese Envelope You #4 Rotated", .width = 1050, .height = 2350},
    {.code = 91, .name = "PRC 16K 146 x 215 mm", .width = 1460, .height = 2150},
    {.code = 92, .name = "PRC 32K 97 x 151 mm", .width = 970, .height = 1510},
    {.code = 93, .name = "PRC 32K(Big) 97 x 151 mm", .width = 970, .height = 1510},
    {.code = 94, .name = "PRC Envelope #1 102 x 165 mm", .width = 1020, .height = 1650},
    {.code = 95, .name = "PRC Envelope #2 102 x 176 mm", .width = 1020, .height = 1760},
    {.code = 96, .name = "PRC Envelope #3 125 x 176 mm", .width = 1250, .height = 1760},
    {.code = 97, .name = "PRC Envelope #4 110 x 208 mm", .width = 1100, .height = 2080},
    {.code = 98, .name = "PRC Envelope #5 110 x 220 mm", .width = 1100, .height = 2200},
    {.code = 99, .name = "PRC Envelope #6 120 x 230 mm", .width = 1200, .height = 2300},
    {.code = 100, .name = "PRC Envelope #7 160 x 230 mm", .width = 1600, .height = 2300},
    {.code = 101, .name = "PRC Envelope #8 120 x 309 mm", .width = 1200, .height = 3090},
    {.code = 102, .name = "PRC Envelope #9 229 x 324 mm", .width = 2290, .height = 3240},
    {.code = 103, .name = "PRC Envelope #10 324 x 458 mm", .width = 3240, .height = 4580},
    {.code = 104, .name = "PRC 16K Rotated", .width = 2150, .height = 1460},
    {.code = 105, .name = "PRC 32K Rotated", .width = 1510, .height = 970},
    {.code = 106, .name = "PRC 32K(Big) Rotated", .width = 1510, .height = 970},
    {.code = 107, .name = "PRC Envelope #1 Rotated 165 x 102 mm", .width = 1650, .height = 1020},
    {.code = 108, .name = "PRC Envelope #2 Rotated 176 x 102 mm", .width = 1760, .height = 1020},
    {.code = 109, .name = "PRC Envelope #3 Rotated 176 x 125 mm", .width = 1760, .height = 1250},
    {.code = 110, .name = "PRC Envelope #4 Rotated 208 x 110 mm", .width = 2080, .height = 1100},
    {.code = 111, .name = "PRC Envelope #5 Rotated 220 x 110 mm", .width = 2200, .height = 1100},
    {.code = 112, .name = "PRC Envelope #6 Rotated 230 x 120 mm", .width = 2300, .height = 1200},
    {.code = 113, .name = "PRC Envelope #7 Rotated 230 x 160 mm", .width = 2300, .height = 1600},
    {.code = 114, .name = "PRC Envelope #8 Rotated 309 x 120 mm", .width = 3090, .height = 1200},
    {.code = 115, .name = "PRC Envelope #9 Rotated 324 x 229 mm", .width = 3240, .height = 2290},
    {.code = 116, .name = "PRC Envelope #10 Rotated 458 x 324 mm", .width = 4580, .height = 3240},
    {.code = 117, .name = "A1 sheet, 594 x 841 mm", .width = 5940, .height = 8410},
    {.code = 118, .name = "A0 sheet, 841 x 1189 mm", .width = 8410, .height = 11890},
};

} // namespace

// Every sheet has its code's place, name and size, and its name finds it.
TEST(PaperTable, HoldsEverySheetInCodeOrder) {
    ASSERT_EQ(std::size(kSheets), std::size_t(kPaperCount));
    ASSERT_EQ(PaperTable().size(), std::size(kSheets));
    for (const Sheet& sheet : kSheets) {
        const int index = sheet.code - 1;
        const PaperSize& paper = PaperTable()[std::size_t(index)];
        EXPECT_EQ(PaperName(index), QString::fromLatin1(sheet.name)) << sheet.code;
        EXPECT_EQ((std::pair{paper.width, paper.height}), (std::pair{sheet.width, sheet.height}))
            << sheet.code;
    }
    EXPECT_EQ(PaperSizeText(8), QStringLiteral(" 210.00 mm X 297.00 mm"));
    // Names the table holds twice find their first code.
    EXPECT_EQ((std::array{PaperIndexOfName(QStringLiteral("A0 sheet, 841 x 1189 mm")),
                          PaperIndexOfName(QStringLiteral("Letter 8 1/2 x 11 in")),
                          PaperIndexOfName(QStringLiteral("A0 sheet, 841 x 1189 m"))}),
              (std::array{117, 0, -1}));
}

// Windows paper numbers 1 to 47 are the table's codes; 48 and 49 have none; 50 to 118 are codes 48 to 116;
// nothing from 119 on. A1 and A0, which have no Windows number, are codes 117 and 118. A printer's sizes keep
// its order, and those without a code are left out.
TEST(PaperCodes, MapWindowsNumbersAndPrinterSizesToTableCodes) {
    struct Number {
        int windows;
        int code;
    };
    for (const Number& number : {Number{.windows = 0, .code = 0}, Number{.windows = 1, .code = 1},
                                 Number{.windows = 47, .code = 47}, Number{.windows = 48, .code = 0},
                                 Number{.windows = 49, .code = 0}, Number{.windows = 50, .code = 48},
                                 Number{.windows = 118, .code = 116}, Number{.windows = 119, .code = 0}})
        EXPECT_EQ(PaperCodeOfWindowsNumber(number.windows), number.code) << number.windows;

    // A driver's own 100 mm form has Windows number 256, Executive none.
    using P = QPageSize;
    const QList<P> printer = {P(P::A4),          P(P::Letter),  P(QSizeF(100, 100), P::Millimeter),
                              P(P::A0),          P(P::A1),      P(P::Executive),
                              P(P::LetterExtra), P(P::A4Extra), P(P::EnvelopePrc10)};
    EXPECT_EQ(PaperCodes(printer), QList<int>({9, 1, 118, 117, 48, 51, 103}));

    // A job asks for the table's own size of its code, and for nothing past the table.
    EXPECT_EQ(PageSizeOfCode(118).size(P::Millimeter), QSizeF(841, 1189));
    EXPECT_EQ(PageSizeOfCode(47).size(P::Millimeter), QSizeF(220, 220));
    EXPECT_EQ(PageSizeOfCode(1).size(P::Millimeter), P(P::Letter).size(P::Millimeter));
    EXPECT_FALSE(PageSizeOfCode(119).isValid());
    EXPECT_FALSE(PageSizeOfCode(0).isValid());
}
