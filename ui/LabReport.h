// The lab report: one A4 portrait page of the run (the student, the inputs, the results per
// cutter with their wear lines, the models once determined, and the graphs drawn as
// vectors by the chart itself). The printer and the PDF share one painting.
#pragma once

#include "CalculationState.h"
#include "RunStatus.h"

#include <QString>

#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace kvr {

// A4 portrait with the report's margins.
void SetReportPage(QPagedPaintDevice &device);

// Paints the page onto a painter open on a device set up by SetReportPage.
void PaintLabReport(QPainter &painter, const RunStatus &status, const CalculationState &state);

// Writes the report as a PDF in place of `fileName`, whole or not at all; the reason on
// failure.
std::optional<QString> SaveLabReportPdf(const QString &fileName, const RunStatus &status,
                                        const CalculationState &state);

} // namespace kvr
