#pragma once

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

// The print service of scripts/print-queue, whose every job lands as a PDF file in $TARNWELL_PRINT_OUT.
// CTest runs the printing tests one at a time, so the jobs a test waits for are its own.
namespace PrintQueue {

// The queue's name, which is also the service's default printer.
QString Name();

// Whether the service answers and offers the queue, or what is missing: a printing test asserts this first,
// so that it fails instead of waiting for a job that never comes.
::testing::AssertionResult Ready();

int JobCount();

// The file of job `index` (from 0 since the service started); empty when it has not come within `timeoutMs`.
QString WaitForJob(int index, int timeoutMs = 30000);

// Page `page` (from 1) of a PDF drawn at `dpi` by pdftoppm; a null image when pdftoppm fails.
QImage PdfPage(const QString& pdf, int dpi, int page = 1);

} // namespace PrintQueue
