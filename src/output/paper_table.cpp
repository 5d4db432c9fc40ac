#include "output/paper_table.h"

namespace {

// Sizes in tenths of a millimetre, each entry with its own width and height: a "Rotated" sheet is listed as
// it is fed, not derived from its upright twin.
constexpr std::array<PaperSize, kPaperCount> kPapers = {{
    {"Letter 8 1/2 x 11 in", 2159, 2794},
    {"Letter Small 8 1/2 x 11 in", 2159, 2794},
    {"Tabloid 11 x 17 in", 2794, 4318},
    {"Ledger 17 x 11 in", 4318, 2794},
    {"Legal 8 1/2 x 14 in", 2159, 3556},
    {"Statement 5 1/2 x 8 1/2 in", 1397, 2159},
    {"Executive 7 1/4 x 10 1/2 in", 1842, 2667},
    {"A3 sheet 297 x 420 mm", 2970, 4200},
    {"A4 sheet 210 x 297 mm", 2100, 2970},
    {"A4 small sheet 210 x 297 mm", 2100, 2970},
    {"A5 sheet 148 x 210 mm", 1480, 2100},
    {"B4 sheet 250 x 354 mm", 2500, 3540},
    {"B5 sheet 182 x 257 millimeter", 1820, 2570},
    {"Folio 8 1/2 x 13 in", 2159, 3302},
    {"Quarto 215 x 275 mm", 2150, 2750},
    {"10 x 14 in", 2540, 3556},
    {"11 x 17 in", 2794, 4318},
    {"Note 8 1/2 x 11 in", 2159, 2794},
    {"#9 Envelope 3 7/8 x 8 7/8 in", 984, 2254},
    {"#10 Envelope 4 1/8 x 9 1/2 in", 1048, 2413},
    {"#11 Envelope 4 1/2 x 10 3/8 in", 1143, 2635},
    {"#12 Envelope 4 3/4 x 11 in", 1206, 2794},
    {"#14 Envelope 5 x 11 1/2 in", 1270, 2921},
    {"C sheet 17 x 22 in", 4318, 5588},
    {"D sheet 22 x 34 in", 5588, 8636},
    {"E sheet 34 x 44 in", 8636, 11176},
    {"DL Envelope 110 x 220 mm", 1100, 2200},
    {"C5 Envelope 162 x 229 mm", 1620, 2290},
    {"C3 Envelope 324 x 458 mm", 3240, 4580},
    {"C4 Envelope 229 x 324 mm", 2290, 3240},
    {"C6 Envelope 114 x 162 mm", 1140, 1620},
    {"C65 Envelope 114 x 229 mm", 1140, 2290},
    {"B4 Envelope 250 x 353 mm", 2500, 3530},
    {"B5 Envelope 176 x 250 mm", 1760, 2500},
    {"B6 Envelope 176 x 125 mm", 1760, 1250},
    {"Italy Envelope 110 x 230 mm", 1100, 2300},
    {"Monarch Envelope 3 7/8 x 7 1/2 in", 984, 1905},
    {"6 3/4 Envelope 3 5/8 x 6 1/2 in", 921, 1651},
    {"US Std Fanfold 14 7/8 x 11 in", 3778, 2794},
    {"German Std Fanfold 8 1/2 x 12 in", 2159, 3048},
    {"German Legal Fanfold 8 1/2 x 13 in", 2159, 3302},
    {"B4 (ISO) 250 x 353 mm", 2500, 3530},
    {"Japanese Postcard 100 x 148 mm", 1000, 1480},
    {"9 x 11 in", 2286, 2794},
    {"10 x 11 in", 2540, 2794},
    {"15 x 11 in", 3810, 2794},
    {"Envelope Invite 220 x 220 mm", 2200, 2200},
    {"Letter Extra 9 1/2 x 12 in", 2413, 3048},
    {"Legal Extra 9 1/2 x 15 in", 2413, 3810},
    {"Tabloid Extra 11.69 x 18 in", 2969, 4572},
    {"A4 Extra 9.27 x 12.69 in", 2355, 3223},
    {"Letter Transverse 8 1/2 x 11 in", 2159, 2794},
    {"A4 Transverse 210 x 297 mm", 2100, 2970},
    {"Letter Extra Transverse 9.275 x 12 in", 2355, 3048},
    {"SuperA/SuperA/A4 227 x 356 mm", 2270, 3560},
    {"SuperB/SuperB/A3 305 x 487 mm", 3050, 4870},
    {"Letter Plus 8 1/2 x 12.69 in", 2159, 3223},
    {"A4 Plus 210 x 330 mm", 2100, 3300},
    {"A5 Transverse 148 x 210 mm", 1480, 2100},
    {"B5 (JIS) Transverse 182 x 257 mm", 1820, 2570},
    {"A3 Extra 322 x 445 mm", 3220, 4450},
    {"A5 Extra 174 x 235 mm", 1740, 2350},
    {"B5 (ISO) Extra 201 x 276 mm", 2010, 2760},
    {"A2 420 x 594 mm", 4200, 5940},
    {"A3 Transverse 297 x 420 mm", 2970, 4200},
    {"A3 Extra Transverse 322 x 445 mm", 3220, 4450},
    {"Japanese Double Postcard 200 x 148 mm", 2000, 1480},
    {"A6 105 x 148 mm", 1050, 1480},
    {"Japanese Envelope Kaku #2", 2400, 3320},
    {"Japanese Envelope Kaku #3", 2160, 2770},
    {"Japanese Envelope Chou #3", 1200, 2350},
    {"Japanese Envelope Chou #4", 900, 2050},
    {"Letter Rotated 11 x 8 1/2 in", 2794, 2159},
    {"A3 Rotated 420 x 297 mm", 4200, 2970},
    {"A4 Rotated 297 x 210 mm", 2970, 2100},
    {"A5 Rotated 210 x 148 mm", 2100, 1480},
    {"B4 (JIS) Rotated 364 x 257 mm", 3640, 2570},
    {"B5 (JIS) Rotated 257 x 182 mm", 2570, 1820},
    {"Japanese Postcard Rotated 148 x 100 mm", 1480, 1000},
    {"Double Japanese Postcard Rotated 148 x 200 mm", 1480, 2000},
    {"A6 Rotated 148 x 105 mm", 1480, 1050},
    {"Japanese Envelope Kaku #2 Rotated", 3320, 2400},
    {"Japanese Envelope Kaku #3 Rotated", 2770, 2160},
    {"Japanese Envelope Chou #3 Rotated", 2350, 1200},
    {"Japanese Envelope Chou #4 Rotated", 2050, 900},
    {"B6 (JIS) 128 x 182 mm", 1280, 1820},
    {"B6 (JIS) Rotated 182 x 128 mm", 1820, 1280},
    {"12 x 11 in", 3048, 2794},
    {"Japanese Envelope You #4", 2350, 1050},
    {"Japanese Envelope You #4 Rotated", 1050, 2350},
    {"PRC 16K 146 x 215 mm", 1460, 2150},
    {"PRC 32K 97 x 151 mm", 970, 1510},
    {"PRC 32K(Big) 97 x 151 mm", 970, 1510},
    {"PRC Envelope #1 102 x 165 mm", 1020, 1650},
    {"PRC Envelope #2 102 x 176 mm", 1020, 1760},
    {"PRC Envelope #3 125 x 176 mm", 1250, 1760},
    {"PRC Envelope #4 110 x 208 mm", 1100, 2080},
    {"PRC Envelope #5 110 x 220 mm", 1100, 2200},
    {"PRC Envelope #6 120 x 230 mm", 1200, 2300},
    {"PRC Envelope #7 160 x 230 mm", 1600, 2300},
    {"PRC Envelope #8 120 x 309 mm", 1200, 3090},
    {"PRC Envelope #9 229 x 324 mm", 2290, 3240},
    {"PRC Envelope #10 324 x 458 mm", 3240, 4580},
    {"PRC 16K Rotated", 2150, 1460},
    {"PRC 32K Rotated", 1510, 970},
    {"PRC 32K(Big) Rotated", 1510, 970},
    {"PRC Envelope #1 Rotated 165 x 102 mm", 1650, 1020},
    {"PRC Envelope #2 Rotated 176 x 102 mm", 1760, 1020},
    {"PRC Envelope #3 Rotated 176 x 125 mm", 1760, 1250},
    {"PRC Envelope #4 Rotated 208 x 110 mm", 2080, 1100},
    {"PRC Envelope #5 Rotated 220 x 110 mm", 2200, 1100},
    {"PRC Envelope #6 Rotated 230 x 120 mm", 2300, 1200},
    {"PRC Envelope #7 Rotated 230 x 160 mm", 2300, 1600},
    {"PRC Envelope #8 Rotated 309 x 120 mm", 3090, 1200},
    {"PRC Envelope #9 Rotated 324 x 229 mm", 3240, 2290},
    {"PRC Envelope #10 Rotated 458 x 324 mm", 4580, 3240},
    {"A1 sheet, 594 x 841 mm", 5940, 8410},
    {"A0 sheet, 841 x 1189 mm", 8410, 11890},
}};

} // namespace

const std::array<PaperSize, kPaperCount>& PaperTable() {
    return kPapers;
}

QString PaperName(int index) {
    return QString::fromLatin1(kPapers[std::size_t(index)].name);
}

QString PaperSizeText(int index) {
    const PaperSize& paper = kPapers[std::size_t(index)];
    return QString::asprintf(" %.2f mm X %.2f mm", paper.width / 10.0, paper.height / 10.0);
}

int PaperIndexOfName(const QString& name) {
    for (int index = 0; index < kPaperCount; ++index)
        if (PaperName(index) == name)
            return index;
    return -1;
}
