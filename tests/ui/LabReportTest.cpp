// The lab report as a student takes it away, read with poppler as a PDF viewer reads it:
// one A4 page, every number of the copied results in its text, the graphs as vectors.
#include "DefaultRun.h"

#include "GraphicDefinition.h"
#include "LabReport.h"
#include "ResultsReport.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kvr::test {
namespace {

QString Tool(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Pixels of the page near a series colour, and of the plots' pale yellow.
int PixelsNear(const QImage &page, chart::TColor color) {
    const int r = int(color & 0xFF), g = int(color >> 8 & 0xFF), b = int(color >> 16 & 0xFF);
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            count += std::abs(qRed(line[x]) - r) + std::abs(qGreen(line[x]) - g) +
                         std::abs(qBlue(line[x]) - b) <
                     40;
    }
    return count;
}

using LabReport = WindowTest;

TEST_F(LabReport, OnePageWithEveryCopiedNumberAndTheGraphsTheModelsAllow) {
    QTemporaryDir dir;
    CalculateDefaults();
    int yellowOfOneChart = 0;
    for (bool determined : {false, true}) {
        if (determined)
            DetermineModels();
        const QString pdf = dir.filePath(determined ? "determined.pdf" : "calculated.pdf");
        ASSERT_FALSE(m_windows->TheExperiment().Write(pdf, LabReportPdf(Runs, State).value()));
        const QString info = Tool("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages: +1\n"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
        // The header line and its rule only: no picture of a chart.
        EXPECT_EQ(Tool("pdfimages", {"-list", pdf}).count('\n'), 2);
        const QString text = Tool("pdftotext", {"-layout", pdf, "-"});
        const QRegularExpression number(QStringLiteral("^-?\\d[\\d.,E]*$"));
        for (const QString &cell : ResultsReport(Runs, State).split(QRegularExpression("[\t\n]")))
            EXPECT_TRUE(!number.match(cell).hasMatch() || text.contains(cell))
                << cell.toStdString();
        EXPECT_EQ(text.contains(QString::fromUtf8("Tр = 845V")), determined);
        Tool("pdftoppm", {"-r", "150", "-png", "-singlefile", pdf, dir.filePath("page")});
        const QImage page(dir.filePath("page.png"));
        for (const SeriesDefinition &series : GraphSeriesDefinitions())
            EXPECT_TRUE(series.kind == SeriesKind::Point ||
                        (PixelsNear(page, series.color) > 150) == (determined || series.chart == 1))
                << series.number << (determined ? " determined" : " calculated");
        const int yellow = PixelsNear(page, kGraphBackColor);
        if (!determined)
            yellowOfOneChart = yellow;
        // Three plots, the two speed plots a little emptier than the first.
        EXPECT_NEAR(double(yellow) / yellowOfOneChart, determined ? 3.2 : 1, 0.3);
    }
}

} // namespace
} // namespace kvr::test
