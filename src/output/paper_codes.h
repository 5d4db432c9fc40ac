#pragma once

#include <QList>
#include <QPageSize>

// Paper codes of the table and the page sizes printers report. Codes 1 to 47 are the page size's Windows
// paper number; from there on that numbering has two reserved numbers the table lacks, so Windows numbers 50
// to 118 are codes 48 to 116. Codes 117 and 118 are the A1 and A0 sheets, which have no Windows number.

// The table code of Windows paper number `windowsId`, 0 when the table has no entry for it.
int PaperCodeOfWindowsNumber(int windowsId);

// The table code of a page size, 0 when the table has no entry for it.
int PaperCode(const QPageSize& size);

// The table codes of a printer's page sizes in the printer's order; sizes without a code are left out.
QList<int> PaperCodes(const QList<QPageSize>& sizes);

// The page size a print job asks for when table code `code` (1 to 118) is chosen: the table's own size,
// named as the printer back end knows it where it is a standard sheet. An invalid size for other codes.
QPageSize PageSizeOfCode(int code);
