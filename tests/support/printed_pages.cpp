#include "support/printed_pages.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

namespace PrintedPages {

namespace {

QString JobFolder() {
    return qEnvironmentVariable("TARNWELL_PRINT_OUT");
}

} // namespace

::testing::AssertionResult QueueReady() {
    if (JobFolder().isEmpty() || !QDir(JobFolder()).exists() ||
        QPrinterInfo::printerInfo(QStringLiteral("tarnwell-test")).isNull())
        return ::testing::AssertionFailure()
               << "no print queue tarnwell-test at CUPS_SERVER with a job folder at TARNWELL_PRINT_OUT: run "
                  "the tests through scripts/test, or eval \"$(scripts/print-queue start <folder>)\" first";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AddQueue(const QString& queue, const QString& dpi) {
    QProcess script;
    script.setProcessChannelMode(QProcess::MergedChannels);
    const QString root = QFileInfo(JobFolder()).absolutePath();
    script.start(QStringLiteral(TARNWELL_PRINT_QUEUE_SCRIPT), {QStringLiteral("add"), root, queue, dpi});
    if (!script.waitForFinished(60000) || script.exitStatus() != QProcess::NormalExit ||
        script.exitCode() != 0)
        return ::testing::AssertionFailure()
               << "cannot add the queue " << queue.toStdString() << ": " << script.readAll().toStdString();
    return ::testing::AssertionSuccess();
}

QStringList JobFiles() {
    return QDir(JobFolder()).entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

QString WaitForJob(int index) {
    for (const QDeadlineTimer deadline(30000); !deadline.hasExpired(); QThread::msleep(50))
        if (const QStringList files = JobFiles(); index < files.size())
            return QDir(JobFolder()).filePath(files[index]);
    return {};
}

QStringList ServiceJobs() {
    return QString::fromUtf8(Output(QStringLiteral("lpstat"), {"-W", "all", "-o"}))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString JobQueue(const QString& job) {
    // The service lists each job as "<queue>-<id> <user> ...", the job file is job-<6-digit id>.pdf.
    const QString suffix = QStringLiteral("-%1").arg(QFileInfo(job).completeBaseName().mid(4).toInt());
    for (const QString& line : ServiceJobs())
        if (const QString name = line.section(QLatin1Char(' '), 0, 0); name.endsWith(suffix))
            return name.chopped(suffix.size());
    return {};
}

QByteArray Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    return ran ? process.readAllStandardOutput() : QByteArray();
}

QImage PageImage(const QString& pdf, int dpi, const QRect& crop) {
    QStringList arguments = {"-r", QString::number(dpi), "-png", "-singlefile"};
    if (!crop.isNull())
        arguments << "-x" << QString::number(crop.x()) << "-y" << QString::number(crop.y()) << "-W"
                  << QString::number(crop.width()) << "-H" << QString::number(crop.height());
    return QImage::fromData(Output(QStringLiteral("pdftoppm"), arguments << pdf))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace PrintedPages
