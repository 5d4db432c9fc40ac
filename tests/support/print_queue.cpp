#include "support/print_queue.h"

#include "support/test_env.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

namespace {

QStringList JobFiles() {
    return QDir(qEnvironmentVariable("TARNWELL_PRINT_OUT"))
        .entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

} // namespace

namespace PrintQueue {

QString Name() {
    return QStringLiteral("tarnwell-test");
}

::testing::AssertionResult Ready() {
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER") || qEnvironmentVariableIsEmpty("TARNWELL_PRINT_OUT"))
        return ::testing::AssertionFailure()
               << "CUPS_SERVER and TARNWELL_PRINT_OUT are not set: run the tests through scripts/test, or "
                  "eval \"$(scripts/print-queue start <folder>)\" first";
    if (!QDir(qEnvironmentVariable("TARNWELL_PRINT_OUT")).exists())
        return ::testing::AssertionFailure()
               << "no job folder " << qPrintable(qEnvironmentVariable("TARNWELL_PRINT_OUT"));
    if (QPrinterInfo::printerInfo(Name()).isNull())
        return ::testing::AssertionFailure()
               << "the print service at " << qPrintable(qEnvironmentVariable("CUPS_SERVER"))
               << " offers no queue " << qPrintable(Name());
    return ::testing::AssertionSuccess();
}

int JobCount() {
    return int(JobFiles().size());
}

QString WaitForJob(int index, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QStringList files = JobFiles();
        if (index < files.size())
            return QDir(qEnvironmentVariable("TARNWELL_PRINT_OUT")).filePath(files[index]);
        QThread::msleep(50);
    }
    return {};
}

QImage PdfPage(const QString& pdf, int dpi, int page) {
    const QString prefix = QDir(TestEnv::TempFolder()).filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-f"),
                    QString::number(page), QStringLiteral("-l"), QString::number(page),
                    QStringLiteral("-singlefile"), pdf, prefix});
    const bool drawn = pdftoppm.waitForFinished(60000) && pdftoppm.exitStatus() == QProcess::NormalExit &&
                       pdftoppm.exitCode() == 0;
    return drawn ? QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32) : QImage();
}

} // namespace PrintQueue
