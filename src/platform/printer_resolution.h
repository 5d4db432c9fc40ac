#pragma once

#include <QString>

// The resolution in dots per inch that the print service gives `printer` by default (its driver's default
// resolution), or 600 when it names none, as a raw queue does.
int PrinterResolution(const QString& printer);
