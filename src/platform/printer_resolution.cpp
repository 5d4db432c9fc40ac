#include "platform/printer_resolution.h"

#include <cmath>
#include <cups/cups.h>
#include <memory>

namespace {

constexpr double kCentimetresPerInch = 2.54;

struct IppDelete {
    void operator()(ipp_t* message) const { ippDelete(message); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDelete>;

// The address the print service gives the queue of `printer`; empty when it knows no such queue.
QByteArray QueueUri(const QString& printer) {
    // An instance ("queue/instance") prints on its queue.
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return {};
    const QByteArray uri(cupsGetOption("printer-uri-supported", dest->num_options, dest->options));
    cupsFreeDests(1, dest);
    return uri;
}

int PerInch(int dots, ipp_res_t units) {
    return units == IPP_RES_PER_CM ? int(std::lround(dots * kCentimetresPerInch)) : dots;
}

} // namespace

PrinterDpi PrinterResolution(const QString& printer) {
    const QByteArray uri = QueueUri(printer);
    if (uri.isEmpty())
        return {};
    // The service derives this from the driver's DefaultResolution where the queue has a driver, so one
    // question covers queues with a driver of any make and driverless ones.
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-resolution-default");
    const IppMessage response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    ipp_attribute_t* attribute =
        response ? ippFindAttribute(response.get(), "printer-resolution-default", IPP_TAG_RESOLUTION)
                 : nullptr;
    if (!attribute)
        return {};
    int down = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int across = ippGetResolution(attribute, 0, &down, &units);
    if (across <= 0 || down <= 0)
        return {};
    return {PerInch(across, units), PerInch(down, units)};
}
