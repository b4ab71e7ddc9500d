// The lab report: one A4 portrait page of the run (the student, the inputs, the results per
// cutter with their wear lines, the models once determined, and the graphs drawn as
// vectors by the chart itself). The printer and the PDF share one painting.
#pragma once

#include "CalculationState.h"
#include "Expected.h"
#include "RunStatus.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace kvr {

// A4 portrait with the report's margins.
void SetReportPage(QPagedPaintDevice &device);

// What a report adds to the run's page: written without the windows, or the windows' notes.
struct ReportExtras {
    QString checker; // signs as "Перевірив:" instead of the results window's instructor
    QString source;  // the experiment file, named as the PDF's subject
    QString missingModels;   // why the run lacks a model, said where the models stand
    QByteArray sourceSha256; // the experiment file's bytes, recorded as the PDF's keyword
    QString notes;           // what the student should look at, under the models
};

// The PDF's keyword that records the bytes of the experiment file a report was drawn from, as
// it stands in the file: a folder's reports are told apart by it without being parsed.
QByteArray SourceKeyword(const QByteArray &sha256);

// Paints the page onto a painter open on a device set up by SetReportPage.
void PaintLabReport(QPainter &painter, const RunStatus &status, const CalculationState &state,
                    const ReportExtras &extras = {});

// "Звіт: <name>": the title of the PDF and of the print job.
QString ReportTitle(const RunStatus &status);

// The report as the bytes of a PDF file, titled as every copy of it; a failure without a
// known cause when no page could be started.
Expected<QByteArray> LabReportPdf(const RunStatus &status, const CalculationState &state,
                                  const ReportExtras &extras = {});

} // namespace kvr
