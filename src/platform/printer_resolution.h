#pragma once

#include <QString>

// A printer's resolution in dots per inch, across and down the page.
struct PrinterDpi {
    int x = 600;
    int y = 600;
};

// The resolution the print service prints `printer`'s jobs at when they ask for none, as ours do: the queue's
// default resolution as CUPS reports it (its driver's default, or the one set for a driverless queue). 600
// dpi when the service names none or cannot be asked.
PrinterDpi PrinterResolution(const QString& printer);
