#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// What was printed: the jobs of the private print service of scripts/print-queue, whose every job lands as a
// PDF file in $TARNWELL_PRINT_OUT, and PDF files read back with poppler's tools.
namespace PrintedPages {

// Whether the service answers with its default queue "tarnwell-test"; a printing test asserts this first, so
// that it fails instead of waiting for a job.
::testing::AssertionResult QueueReady();

// Adds the queue `queue` printing at `dpi` ("600", "1200x600") to the service.
::testing::AssertionResult AddQueue(const QString& queue, const QString& dpi);

// The job files so far, oldest first.
QStringList JobFiles();

// The file of job `index` (from 0 since the service started); empty when it has not come within 30 s.
QString WaitForJob(int index);

// The jobs the service knows of, finished or not, one line each.
QStringList ServiceJobs();

// The queue that printed the job of file `job`.
QString JobQueue(const QString& job);

// What `program` writes to its output; nothing when it fails.
QByteArray Output(const QString& program, const QStringList& arguments);

// Page 1 of `pdf` rendered at `dpi`, or of its part `crop` (in pixels at that resolution) when given.
QImage PageImage(const QString& pdf, int dpi, const QRect& crop = {});

} // namespace PrintedPages
