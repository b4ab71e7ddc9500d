// The end of "Перевірити групу…": what was written and where, in a box that fits the screen
// however many files had a problem, and the workbook opened if the teacher asks.
#pragma once

#include "GroupCheck.h"
#include "GroupReports.h"

#include <QStringList>

#include <optional>

class QWidget;

namespace kvr {

struct GroupDone {
    QString workbook;
    StatusCounts counts{};
    std::optional<ReportTally> reports; // none when only the workbook was asked for
    QString reportFolder;
    QStringList problems; // the reports that could not be written, and why
};

void ShowGroupDone(QWidget *parent, const GroupDone &done);

} // namespace kvr
