#include "output/paper_codes.h"
#include "output/paper_table.h"

#include <QRegularExpression>
#include <QSizeF>
#include <gtest/gtest.h>

namespace {

// The paper table as the print dialog must list it: code, name and size in tenths of a mm across x down.
const char kSheets[] = R"(
1 Letter 8 1/2 x 11 in: 2159x2794 | 2 Letter Small 8 1/2 x 11 in: 2159x2794 | 3 Tabloid 11 x 17 in: 2794x4318
4 Ledger 17 x 11 in: 4318x2794 | 5 Legal 8 1/2 x 14 in: 2159x3556 | 6 Statement 5 1/2 x 8 1/2 in: 1397x2159
7 Executive 7 1/4 x 10 1/2 in: 1842x2667 | 8 A3 sheet 297 x 420 mm: 2970x4200
9 A4 sheet 210 x 297 mm: 2100x2970 | 10 A4 small sheet 210 x 297 mm: 2100x2970
11 A5 sheet 148 x 210 mm: 1480x2100 | 12 B4 sheet 250 x 354 mm: 2500x3540
13 B5 sheet 182 x 257 millimeter: 1820x2570 | 14 Folio 8 1/2 x 13 in: 2159x3302
15 Quarto 215 x 275 mm: 2150x2750 | 16 10 x 14 in: 2540x3556 | 17 11 x 17 in: 2794x4318
18 Note 8 1/2 x 11 in: 2159x2794 | 19 #9 Envelope 3 7/8 x 8 7/8 in: 984x2254
20 #10 Envelope 4 1/8 x 9 1/2 in: 1048x2413 | 21 #11 Envelope 4 1/2 x 10 3/8 in: 1143x2635
22 #12 Envelope 4 3/4 x 11 in: 1206x2794 | 23 #14 Envelope 5 x 11 1/2 in: 1270x2921
24 C sheet 17 x 22 in: 4318x5588 | 25 D sheet 22 x 34 in: 5588x8636 | 26 E sheet 34 x 44 in: 8636x11176
27 DL Envelope 110 x 220 mm: 1100x2200 | 28 C5 Envelope 162 x 229 mm: 1620x2290
29 C3 Envelope 324 x 458 mm: 3240x4580 | 30 C4 Envelope 229 x 324 mm: 2290x3240
31 C6 Envelope 114 x 162 mm: 1140x1620 | 32 C65 Envelope 114 x 229 mm: 1140x2290
33 B4 Envelope 250 x 353 mm: 2500x3530 | 34 B5 Envelope 176 x 250 mm: 1760x2500
35 B6 Envelope 176 x 125 mm: 1760x1250 | 36 Italy Envelope 110 x 230 mm: 1100x2300
37 Monarch Envelope 3 7/8 x 7 1/2 in: 984x1905 | 38 6 3/4 Envelope 3 5/8 x 6 1/2 in: 921x1651
39 US Std Fanfold 14 7/8 x 11 in: 3778x2794 | 40 German Std Fanfold 8 1/2 x 12 in: 2159x3048
41 German Legal Fanfold 8 1/2 x 13 in: 2159x3302 | 42 B4 (ISO) 250 x 353 mm: 2500x3530
43 Japanese Postcard 100 x 148 mm: 1000x1480 | 44 9 x 11 in: 2286x2794 | 45 10 x 11 in: 2540x2794
46 15 x 11 in: 3810x2794 | 47 Envelope Invite 220 x 220 mm: 2200x2200
48 Letter Extra 9 1/2 x 12 in: 2413x3048 | 49 Legal Extra 9 1/2 x 15 in: 2413x3810
50 Tabloid Extra 11.69 x 18 in: 2969x4572 | 51 A4 Extra 9.27 x 12.69 in: 2355x3223
52 Letter Transverse 8 1/2 x 11 in: 2159x2794 | 53 A4 Transverse 210 x 297 mm: 2100x2970
54 Letter Extra Transverse 9.275 x 12 in: 2355x3048 | 55 SuperA/SuperA/A4 227 x 356 mm: 2270x3560
56 SuperB/SuperB/A3 305 x 487 mm: 3050x4870 | 57 Letter Plus 8 1/2 x 12.69 in: 2159x3223
58 A4 Plus 210 x 330 mm: 2100x3300 | 59 A5 Transverse 148 x 210 mm: 1480x2100
60 B5 (JIS) Transverse 182 x 257 mm: 1820x2570 | 61 A3 Extra 322 x 445 mm: 3220x4450
62 A5 Extra 174 x 235 mm: 1740x2350 | 63 B5 (ISO) Extra 201 x 276 mm: 2010x2760
64 A2 420 x 594 mm: 4200x5940 | 65 A3 Transverse 297 x 420 mm: 2970x4200
66 A3 Extra Transverse 322 x 445 mm: 3220x4450 | 67 Japanese Double Postcard 200 x 148 mm: 2000x1480
68 A6 105 x 148 mm: 1050x1480 | 69 Japanese Envelope Kaku #2: 2400x3320
70 Japanese Envelope Kaku #3: 2160x2770 | 71 Japanese Envelope Chou #3: 1200x2350
72 Japanese Envelope Chou #4: 900x2050 | 73 Letter Rotated 11 x 8 1/2 in: 2794x2159
74 A3 Rotated 420 x 297 mm: 4200x2970 | 75 A4 Rotated 297 x 210 mm: 2970x2100
76 A5 Rotated 210 x 148 mm: 2100x1480 | 77 B4 (JIS) Rotated 364 x 257 mm: 3640x2570
78 B5 (JIS) Rotated 257 x 182 mm: 2570x1820 | 79 Japanese Postcard Rotated 148 x 100 mm: 1480x1000
80 Double Japanese Postcard Rotated 148 x 200 mm: 1480x2000 | 81 A6 Rotated 148 x 105 mm: 1480x1050
82 Japanese Envelope Kaku #2 Rotated: 3320x2400 | 83 Japanese Envelope Kaku #3 Rotated: 2770x2160
84 Japanese Envelope Chou #3 Rotated: 2350x1200 | 85 Japanese Envelope Chou #4 Rotated: 2050x900
86 B6 (JIS) 128 x 182 mm: 1280x1820 | 87 B6 (JIS) Rotated 182 x 128 mm: 1820x1280 | 88 12 x 11 in: 3048x2794
89 Japanese Envelope You #4: 2350x1050 | 90 Japanese Envelope You #4 Rotated: 1050x2350
91 PRC 16K 146 x 215 mm: 1460x2150 | 92 PRC 32K 97 x 151 mm: 970x1510 | 93 PRC 32K(Big) 97 x 151 mm: 970x1510
94 PRC Envelope #1 102 x 165 mm: 1020x1650 | 95 PRC Envelope #2 102 x 176 mm: 1020x1760
96 PRC Envelope #3 125 x 176 mm: 1250x1760 | 97 PRC Envelope #4 110 x 208 mm: 1100x2080
98 PRC Envelope #5 110 x 220 mm: 1100x2200 | 99 PRC Envelope #6 120 x 230 mm: 1200x2300
100 PRC Envelope #7 160 x 230 mm: 1600x2300 | 101 PRC Envelope #8 120 x 309 mm: 1200x3090
102 PRC Envelope #9 229 x 324 mm: 2290x3240 | 103 PRC Envelope #10 324 x 458 mm: 3240x4580
104 PRC 16K Rotated: 2150x1460 | 105 PRC 32K Rotated: 1510x970 | 106 PRC 32K(Big) Rotated: 1510x970
107 PRC Envelope #1 Rotated 165 x 102 mm: 1650x1020 | 108 PRC Envelope #2 Rotated 176 x 102 mm: 1760x1020
109 PRC Envelope #3 Rotated 176 x 125 mm: 1760x1250 | 110 PRC Envelope #4 Rotated 208 x 110 mm: 2080x1100
111 PRC Envelope #5 Rotated 220 x 110 mm: 2200x1100 | 112 PRC Envelope #6 Rotated 230 x 120 mm: 2300x1200
113 PRC Envelope #7 Rotated 230 x 160 mm: 2300x1600 | 114 PRC Envelope #8 Rotated 309 x 120 mm: 3090x1200
115 PRC Envelope #9 Rotated 324 x 229 mm: 3240x2290 | 116 PRC Envelope #10 Rotated 458 x 324 mm: 4580x3240
117 A1 sheet, 594 x 841 mm: 5940x8410 | 118 A0 sheet, 841 x 1189 mm: 8410x11890
)";

} // namespace

// Every sheet has its code's place, name and size, and its name finds it.
TEST(PaperTable, HoldsEverySheetInCodeOrder) {
    const QStringList sheets = QString::fromLatin1(kSheets).split(
        QRegularExpression(QStringLiteral(" *[|\n] *")), Qt::SkipEmptyParts);
    ASSERT_EQ(sheets.size(), kPaperCount);
    for (int index = 0; index < kPaperCount; ++index) {
        const PaperSize& paper = PaperTable()[std::size_t(index)];
        EXPECT_EQ(QString::asprintf("%d ", index + 1) + PaperName(index) +
                      QString::asprintf(": %dx%d", paper.width, paper.height),
                  sheets[index]);
    }
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
