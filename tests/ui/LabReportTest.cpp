// The lab report as a student takes it away, read with poppler as a PDF viewer reads it:
// one A4 page, every number of the copied results in its text, the graphs as vectors.
#include "DefaultRun.h"

#include "GraphicDefinition.h"
#include "InputTable.h"
#include "LabReport.h"
#include "ResultsReport.h"

#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

namespace kvr::test {
namespace {

QString Tool(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of the page with its box in points, as a PDF viewer finds it.
QList<std::pair<QRectF, QString>> Words(const QString &pdf) {
    static const QRegularExpression word(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<");
    QList<std::pair<QRectF, QString>> words;
    for (const QRegularExpressionMatch &match :
         word.globalMatch(Tool("pdftotext", {"-bbox", pdf, "-"})))
        words.append({QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                             QPointF(match.captured(3).toDouble(), match.captured(4).toDouble())),
                      match.captured(5)});
    return words;
}

// The page's words at whole points, a line per top edge in the order pdftotext reads them
// ("top: left+width/height word ..."); the day's date as DATE.
std::string Placement(const QString &pdf) {
    const QString date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    std::map<int, QString> lines;
    for (const auto &[box, text] : Words(pdf))
        lines[qRound(box.top())] += QStringLiteral(" %1+%2/%3 %4")
                                        .arg(qRound(box.left()))
                                        .arg(qRound(box.width()))
                                        .arg(qRound(box.height()))
                                        .arg(text == date ? QStringLiteral("DATE") : text);
    std::string placement;
    for (const auto &[top, words] : lines)
        placement += std::to_string(top) + ':' + words.toStdString() + '\n';
    return placement;
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

// The page above the graphs, every number with the locale's separator.
std::string kReportHead =
    "Kelvora \"KVR\". Результати розрахунків DATE\n"
    "Виконав: Іваненко Перевірив: Тарвилко Н. Г.\n"
    "Вихідні дані\n"
    "Матеріал заготовки: сталь 12Х18Н9Т Глибина різання h, мм: 0,25\n"
    "Діаметр заготовки D, мм: 95 Подача S, мм/об.: 0,1\n"
    "Головний кут у плані φ, градусів: 45 Частота обертання n1, інструмент 1, об./хв.: 610\n"
    "Допоміжний кут у плані φ1, градусів: 45 Частота обертання n2, інструмент 2, об./хв.: 380\n"
    "Задній кут α, градусів: 8 Частота обертання n3, інструмент 3, об./хв.: 185\n"
    "Передній кут γ, градусів: 10\n\n"
    "Результати розрахунків\n"
    "Інструмент n, об./хв. V, м/хв. τ1, хв. τ2, хв. τ3, хв. τΣ, хв. hз1, мкм hз2, мкм hз3, мкм "
    "hр1, мкм hр2, мкм hр3, мкм Лінія зношування, мкм\n"
    "1 610 182,06 1 1 1 3,00 33 40 43 3,36 4,08 4,38 h = 0,510·τ + 2,921\n"
    "2 380 113,41 1,5 1,5 1,5 4,50 21 26 35 2,14 2,65 3,57 h = 0,476·τ + 1,359\n"
    "3 185 55,21 2 2 2 6,00 15 23 26 1,53 2,34 2,65 h = 0,280·τ + 1,053\n\n"
    "Допустиме зношування по задній поверхні [hз], мкм: 50 "
    "Допустиме розмірне зношування [hр], мкм: 5,10\n\n";
std::string kReportModels =
    "Математичні моделі\n"
    "Довільна тривалість роботи інструмента τд, хв.: 3\n"
    " 0,701\n"
    "Залежність величини розмірного зношування від швидкості різання: hр = 0,110V\n"
    " -1,006\n"
    "Залежність періоду стійкості інструмента від швидкості різання: Tр = 845V\n\n";

using LabReport = WindowTest;

TEST_F(LabReport, OnePageWithEveryCopiedNumberAndTheGraphsTheModelsAllow) {
    QTemporaryDir dir;
    CalculateDefaults();
    int yellowOfOneChart = 0;
    for (bool determined : {false, true}) {
        if (determined)
            DetermineModels();
        const QString pdf = dir.filePath(determined ? "determined.pdf" : "calculated.pdf");
        ASSERT_TRUE(m_windows->TheExperiment().Write(pdf, *LabReportPdf(Status(), State())));
        const QString info = Tool("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages: +1\n"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
        // The header line and its rule only: no picture of a chart.
        EXPECT_EQ(Tool("pdfimages", {"-list", pdf}).count('\n'), 2);
        EXPECT_TRUE(
            info.contains(QRegularExpression(QString::fromUtf8("Title: +Звіт: Іваненко\n"))));
        EXPECT_TRUE(info.contains(QRegularExpression("Creator: +Kelvora \"KVR\"\n")));
        // Every text above the graphs, in its place on its line.
        QString text = Tool("pdftotext", {"-layout", pdf, "-"});
        text = text.left(text.indexOf(QString::fromUtf8("Графіки")))
                   .replace(QRegularExpression(" +"), " ");
        const QString date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        const std::string expected =
            ShownText((kReportHead + (determined ? kReportModels : "")).c_str());
        EXPECT_EQ(
            text.toStdString(),
            QString::fromStdString(expected).replace(QStringLiteral("DATE"), date).toStdString());
        Tool("pdftoppm", {"-r", "150", "-png", "-singlefile", pdf, dir.filePath("page")});
        const QImage page(dir.filePath("page.png"));
        for (const SeriesDefinition &series : GraphSeriesDefinitions())
            EXPECT_TRUE(series.kind == SeriesKind::Point ||
                        (PixelsNear(page, series.color) > 150) == (determined || series.chart == 1))
                << series.number << (determined ? " determined" : " calculated");
        if (determined) {
            const QString words = Tool("cat", {KVR_SOURCE_DIR "/tests/ui/lab-report-words.txt"});
            EXPECT_EQ(Placement(pdf), ShownText(words.toUtf8().constData()));
            // A dark desktop leaves the paper as it is.
            const QPalette desktop = QGuiApplication::palette();
            QGuiApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
            ASSERT_TRUE(m_windows->TheExperiment().Write(pdf, *LabReportPdf(Status(), State())));
            QGuiApplication::setPalette(desktop);
            Tool("pdftoppm", {"-r", "150", "-png", "-singlefile", pdf, dir.filePath("dark")});
            EXPECT_EQ(QImage(dir.filePath("dark.png")), page);
        }
        const int yellow = PixelsNear(page, kGraphBackColor);
        if (!determined)
            yellowOfOneChart = yellow;
        // Three plots, the two speed plots a little emptier than the first.
        EXPECT_NEAR(double(yellow) / yellowOfOneChart, determined ? 3.2 : 1, 0.3);
    }
}

// Whatever was accepted stays in its place: a 1,000-character name, a 300-digit diameter and
// a 300-character running time end in "…" within their room, notes stop at three lines, and
// no two words overlap (a glyph's box may reach 1 pt into its neighbour's, as "τ," does).
TEST_F(LabReport, LongTextsStayOnThePageWithoutOverlapping) {
    QTemporaryDir dir;
    Edit(kDiameterSlot)->setText(QString(300, '9'));
    Edit(RunningTimeSlot(1, 1))->setText(QStringLiteral("1.") + QString(298, '0'));
    Main().studentName->setText(QString(1000, QChar(0x429)));
    AnswerModals([] { Main().calculate->click(); });
    Results().chosenTime->setText(QStringLiteral("3.") + QString(298, '3'));
    DetermineModels();
    ASSERT_TRUE(Buttons(Status()).graphs);
    const QString pdf = dir.filePath("long.pdf");
    ReportExtras notes;
    notes.notes = QString::fromUtf8("Зверніть увагу: довгі примітки; ").repeated(40);
    ASSERT_TRUE(m_windows->TheExperiment().Write(pdf, *LabReportPdf(Status(), State(), notes)));
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +1\n")));
    const QList<std::pair<QRectF, QString>> words = Words(pdf);
    for (auto at = words.begin(); at != words.end(); ++at) {
        EXPECT_TRUE(QRectF(0, 0, 595, 842).contains(at->first)) << at->second.toStdString();
        for (auto other = words.begin(); other != at; ++other)
            EXPECT_FALSE(other->first.adjusted(1, 1, -1, -1).intersects(at->first))
                << other->second.toStdString() << " / " << at->second.toStdString();
    }
    const QString boxes = Tool("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_TRUE(boxes.contains(QString::fromUtf8("Щ…<")) &&
                boxes.contains(QString::fromUtf8("9…<")) &&
                boxes.contains(QString::fromUtf8("3…<")));
    // The cut name keeps the column gap of 4 mm, less than a letter more, before "Перевірив:".
    QRectF name, checker;
    for (const auto &[box, text] : words) {
        if (text.startsWith(QChar(0x429)) && text.endsWith(QChar(0x2026)))
            name = box;
        if (text == QString::fromUtf8("Перевірив:"))
            checker = box;
    }
    EXPECT_GT(checker.left() - name.right(), 11.3);
    EXPECT_LT(checker.left() - name.right(), 11.3 + 9);
    // Fitted to the page, the cutters' table reaches its right margin: the wear lines, cut
    // short, end there.
    qreal right = 0;
    for (const auto &[box, text] : words)
        right = text == QString(QChar(0x2026)) ? std::max(right, box.right()) : right;
    EXPECT_NEAR(right, 552.4, 0.5);
}

} // namespace
} // namespace kvr::test
