#include "PrintChoices.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

namespace kvr {

namespace {

// Where the toolkit's print engine keeps the choices it has no property of its own for
// (pages per sheet, page set, banners, the job's time and priority, the printer's own
// options from its "Advanced" page), as pairs of a server option and its value.
constexpr auto kServerOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QByteArray Sides(QPrinter::DuplexMode duplex) {
    switch (duplex) {
    case QPrinter::DuplexNone:
        return "one-sided";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto: // the report is a portrait page
        break;
    }
    return "two-sided-long-edge";
}

} // namespace

QList<QPair<QByteArray, QByteArray>> PrintOptions(const QPrinter &printer) {
    QList<QPair<QByteArray, QByteArray>> options{
        {"copies", QByteArray::number(printer.copyCount())},
        {"multiple-document-handling", printer.collateCopies()
                                           ? "separate-documents-collated-copies"
                                           : "separate-documents-uncollated-copies"},
        {"sides", Sides(printer.duplex())},
        {"print-color-mode", printer.colorMode() == QPrinter::GrayScale ? "monochrome" : "color"},
        {"outputorder", printer.pageOrder() == QPrinter::LastPageFirst ? "reverse" : "normal"},
        {"media", printer.pageLayout().pageSize().key().toUtf8()},
    };
    if (printer.pageLayout().orientation() == QPageLayout::Landscape)
        options.append(
            {QByteArray("orientation-requested"), QByteArray("4")}); // IPP_ORIENT_LANDSCAPE
    const QStringList server = printer.printEngine()->property(kServerOptions).toStringList();
    for (qsizetype k = 0; k + 1 < server.size(); k += 2)
        options.append({server[k].toUtf8(), server[k + 1].toUtf8()});
    return options;
}

} // namespace kvr
