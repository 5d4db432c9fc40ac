#include "platform/printer_resolution.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr int kDefaultDpi = 600;
constexpr int kQueryMilliseconds = 5000;

// The printer's options as the CUPS client lists them: one line per option, the default choice marked '*'.
QString PrinterOptions(const QString& printer) {
    QProcess lpoptions;
    lpoptions.start(QStringLiteral("lpoptions"), {QStringLiteral("-p"), printer, QStringLiteral("-l")});
    if (!lpoptions.waitForFinished(kQueryMilliseconds)) {
        lpoptions.kill();
        lpoptions.waitForFinished();
        return {};
    }
    return QString::fromUtf8(lpoptions.readAllStandardOutput());
}

} // namespace

int PrinterResolution(const QString& printer) {
    // "Resolution/Output Resolution: 300dpi *600dpi 1200x600dpi": the horizontal figure of the marked choice.
    static const QRegularExpression line(QStringLiteral(R"(^\w*Resolution/[^:]*:.*\*(\d+)(x\d+)?dpi)"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(PrinterOptions(printer));
    const int dpi = match.hasMatch() ? match.captured(1).toInt() : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}
