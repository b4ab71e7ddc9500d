#include "LabReport.h"

#include "Fonts.h"
#include "GraphicDefinition.h"
#include "ResultsReport.h"
#include "Titles.h"
#include "TranslatedTexts.h"
#include <kvrchart/ChartModel.h>
#include <kvrchart/ChartRenderer.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>

namespace kvr {

using namespace chart;

namespace {

constexpr qreal kMarginMm = 14;
constexpr qreal kChartGapMm = 4;
constexpr qreal kColumnGapMm = 4;

QString Text(const std::string &text) { return QString::fromStdString(text); }
QString Tr(const char *text) { return QCoreApplication::translate("Report", text); }

struct ModelFormula {
    const char *caption;
    const char *symbol;
    const char *coefficient;
    const char *exponent;
};
const ModelFormula kModelFormulas[] = {
    {QT_TRANSLATE_NOOP("Report", "Залежність величини розмірного зношування від швидкості різання"),
     QT_TRANSLATE_NOOP("Report", "hр"), "wear_model_c", "wear_model_k"},
    {QT_TRANSLATE_NOOP("Report", "Залежність періоду стійкості інструмента від швидкості різання"),
     QT_TRANSLATE_NOOP("Report", "Tр"), "life_model_c", "life_model_z"},
};

QFont ReportFont(qreal points, bool bold = false) {
    QFont font = WindowFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The page in device pixels, written from the top down.
class Page {
public:
    explicit Page(QPainter &painter)
        : m_painter(painter), m_perMm(painter.device()->logicalDpiX() / 25.4),
          m_width(painter.device()->width()), m_height(painter.device()->height()) {}

    qreal Mm(qreal mm) const { return mm * m_perMm; }
    qreal Width() const { return m_width; }
    qreal Top() const { return m_y; }
    qreal Room() const { return m_height - m_y; }
    void Skip(qreal mm) { m_y += Mm(mm); }
    void Advance(qreal pixels) { m_y += pixels; }
    QPainter &Painter() { return m_painter; }

    qreal LineHeight(const QFont &font) const {
        return QFontMetricsF(font, m_painter.device()).height();
    }
    qreal TextWidth(const QFont &font, const QString &text) const {
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text);
    }
    // The text, ending in "…" where it would be wider than `width`: whatever was accepted
    // as typed stays within its place on the page.
    QString Fitted(const QFont &font, const QString &text, qreal width) const {
        return QFontMetricsF(font, m_painter.device()).elidedText(text, Qt::ElideRight, width);
    }
    // One line at x, its top at the pen's height; returns where it ends.
    qreal Write(qreal x, const QString &text, const QFont &font) {
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QPointF(x, m_y + QFontMetricsF(font, m_painter.device()).ascent()),
                           text);
        return x + TextWidth(font, text);
    }
    void Line(const QString &text, const QFont &font, qreal x = 0) {
        Write(x, text, font);
        Advance(LineHeight(font));
    }
    void Heading(const QString &text) {
        Skip(2.5);
        Line(text, ReportFont(10.5, true));
        Skip(0.8);
    }

private:
    QPainter &m_painter;
    qreal m_perMm;
    qreal m_width;
    qreal m_height;
    qreal m_y = 0;
};

// "Перевірив: …" as the results window shows it, or signed by `checker`.
QString Instructor(const QString &checker) {
    const QString shown = InstructorLine().trimmed();
    return checker.isEmpty() ? shown
                             : shown.section(QLatin1String(": "), 0, 0) + QLatin1String(": ") +
                                   checker.simplified();
}

void WriteTitle(Page &page, const RunReport &report, const QString &checker) {
    const QFont title = ReportFont(13, true);
    page.Write(0, WindowTitle(kResultWindowWords), title);
    const QString date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    page.Write(page.Width() - page.TextWidth(ReportFont(10), date), date, ReportFont(10));
    page.Advance(page.LineHeight(title));
    page.Skip(1.5);
    const QFont names = ReportFont(10);
    const QString instructor = Instructor(checker);
    const qreal instructorWidth = page.TextWidth(names, instructor);
    page.Write(0,
               page.Fitted(names,
                           QCoreApplication::translate("Report", "Виконав: ") +
                               Text(OneCell(report.At("name"))),
                           page.Width() - instructorWidth - page.Mm(kColumnGapMm)),
               names);
    page.Write(page.Width() - instructorWidth, instructor, names);
    page.Advance(page.LineHeight(names));
}

// The inputs in two columns, "caption: value".
void WriteInputs(Page &page, const RunReport &report) {
    page.Heading(Tr(QT_TRANSLATE_NOOP("Report", "Вихідні дані")));
    const QFont font = ReportFont(9);
    const std::span<const QuantityValue> listed = ListedInputs().first(ListedInputs().size() - 1);
    const std::size_t rows = (listed.size() + 1) / 2;
    const qreal top = page.Top(), rowHeight = page.LineHeight(font);
    for (std::size_t k = 0; k < listed.size(); ++k) {
        page.Advance(top + qreal(k % rows) * rowHeight - page.Top());
        page.Write(
            k < rows ? 0 : page.Width() / 2,
            page.Fitted(font,
                        Caption(listed[k]) + QStringLiteral(": ") + Reported(report, listed[k]),
                        page.Width() / 2 - page.Mm(kColumnGapMm)),
            font);
    }
    page.Advance(top + qreal(rows) * rowHeight - page.Top());
}

// Per cutter: n, V, the three running times and their total, the measured and dimensional
// wear, and the wear line; the header row first.
const CutterColumn kCutterColumns[] = {{"spindle_speed", false}, {"cutting_speed", false},
                                       {"running_time", true},   {"total_time", false},
                                       {"flank_wear", true},     {"dimensional_wear", true},
                                       {"wear_line", false}};

// Each column as wide as its widest cell, fitted to `room`: narrow columns keep their
// width and the wide ones share what is left equally; room to spare widens the last.
std::vector<qreal> FittedWidths(std::vector<qreal> widths, qreal room) {
    const qreal total = std::accumulate(widths.begin(), widths.end(), qreal(0));
    if (total <= room) {
        widths.back() += room - total;
        return widths;
    }
    std::vector<qreal> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    qreal left = room, cap = 0;
    for (std::size_t k = 0; k < sorted.size(); left -= sorted[k++]) {
        cap = left / qreal(sorted.size() - k);
        if (sorted[k] > cap)
            break;
    }
    for (qreal &width : widths)
        width = std::min(width, cap);
    return widths;
}

void WriteTable(Page &page, const QList<QStringList> &rows, const QFont &font) {
    // Narrow side padding: the worked example's fourteen columns fit the page whole.
    const qreal pad = page.Mm(0.8), height = page.LineHeight(font) + page.Mm(1.2);
    std::vector<qreal> widths(std::size_t(rows[0].size()), 0);
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[std::size_t(c)] =
                std::max(widths[std::size_t(c)], page.TextWidth(font, row[c]) + 2 * pad);
    widths = FittedWidths(std::move(widths), page.Width());
    QPainter &painter = page.Painter();
    // The header's fill under every cell of it, before any border.
    painter.fillRect(QRectF(0, page.Top(), page.Width(), height), QColor(0xE8, 0xE8, 0xE8));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        qreal x = 0;
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            const QRectF cell(x, page.Top(), widths[std::size_t(c)], height);
            painter.setPen(QPen(Qt::black, page.Mm(0.15)));
            painter.drawRect(cell);
            page.Write(x + pad, page.Fitted(font, rows[r][c], cell.width() - 2 * pad), font);
            x += cell.width();
        }
        page.Advance(height);
    }
}

void WriteCutterTable(Page &page, const RunReport &report) {
    page.Heading(Tr(QT_TRANSLATE_NOOP("Report", "Результати розрахунків")));
    QList<QStringList> rows{CutterHeader(kCutterColumns)};
    for (int i = 1; i <= kCutters; ++i)
        rows << CutterCells(report, i, kCutterColumns);
    WriteTable(page, rows, ReportFont(7.5));
    page.Skip(1.5);
    const QFont line = ReportFont(9);
    const qreal half = page.Width() / 2 - page.Mm(kColumnGapMm);
    for (const char *key : {"allowable_flank_wear", "allowable_dimensional_wear"}) {
        const QuantityValue allowable = ValueOf(key);
        page.Write(
            key == std::string_view("allowable_flank_wear") ? 0 : page.Width() / 2,
            page.Fitted(line,
                        Caption(allowable) + QStringLiteral(": ") + Reported(report, allowable),
                        half),
            line);
    }
    page.Advance(page.LineHeight(line));
}

// A formula as the results window writes it: "hр = 0,110V" and the exponent raised.
void WriteFormula(Page &page, const QString &caption, const QString &symbol,
                  const ModelText &model) {
    const QFont font = ReportFont(9.5), small = ReportFont(7.5);
    qreal x = page.Write(0, caption + QStringLiteral(":  "), font);
    x = page.Write(x, symbol + QLatin1Char(' ') + Text(CoefficientCaption(model)), font);
    const qreal top = page.Top();
    page.Advance(-page.Mm(1.3));
    page.Write(x + page.Mm(0.3), Text(model.exponent), small);
    page.Advance(top - page.Top() + page.LineHeight(font) + page.Mm(0.6));
}

void WriteModels(Page &page, const RunReport &report) {
    page.Heading(Tr(QT_TRANSLATE_NOOP("Report", "Математичні моделі")));
    const QFont font = ReportFont(9.5);
    const QuantityValue time = ValueOf("chosen_time");
    page.Line(page.Fitted(font, Caption(time) + QStringLiteral(": ") + Reported(report, time),
                          page.Width()),
              font);
    // Room for the first formula's raised exponent under a τд line as wide as the page.
    page.Skip(1.0);
    for (const ModelFormula &formula : kModelFormulas)
        if (const std::string &c = report.At(formula.coefficient); !c.empty())
            WriteFormula(page, Tr(formula.caption), Tr(formula.symbol),
                         {c, report.At(formula.exponent)});
}

// At most three lines, so that the graphs keep their room: a longer text ends in "…" there,
// and nothing of it lies beneath them.
void WriteParagraph(Page &page, const QString &text) {
    constexpr int kMostLines = 3;
    const QFont font = ReportFont(9.5);
    QTextLayout layout(text, font, page.Painter().device());
    layout.beginLayout();
    for (int n = 1; n <= kMostLines; ++n) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(page.Width());
        // The "…" of a cut after a space stays on the word before it.
        page.Line(n < kMostLines ? text.mid(line.textStart(), line.textLength()).trimmed()
                                 : page.Fitted(font, text.mid(line.textStart()), page.Width())
                                       .replace(QStringLiteral(" …"), QStringLiteral("…")),
                  font);
    }
    layout.endLayout();
}

// Where the models would stand.
void WhyNoModels(Page &page, const RunReport &report, const QString &reason) {
    if (!report.Determined())
        page.Heading(Tr(QT_TRANSLATE_NOOP("Report", "Математичні моделі")));
    WriteParagraph(page, (report.Determined()
                              ? Tr(QT_TRANSLATE_NOOP("Report", "Не всі моделі визначено: %1"))
                              : Tr(QT_TRANSLATE_NOOP("Report", "Моделі не визначено: %1")))
                             .arg(reason));
}

// The graphs window's charts, built from its definition and filled as a fresh showing fills
// them: automatic axes, no zoom, whatever the window shows now. The captions the window lays
// on a chart are the chart's text items; a picture's text is written turned, as the picture
// shows it.
struct ReportCharts {
    std::array<std::unique_ptr<ChartModel>, 3> charts;
    std::array<TCustomSeries *, 11> series{};
};

std::unique_ptr<ReportCharts> BuildCharts(const CalculationState &state) {
    auto built = std::make_unique<ReportCharts>();
    for (int number = 1; number <= 3; ++number) {
        auto chart = std::make_unique<ChartModel>();
        ApplyChartDefinition(*chart, GraphChartDefinition(number));
        ApplyAxesDefinition(*chart, GraphChartDefinition(number), &state);
        chart->SetBackColor(kGraphBackColor);
        for (const ChartCaption &caption : GraphCaptions()) {
            if (caption.chart == number)
                chart->AddTextItem(
                    {QRectF(caption.left, caption.top, caption.width, caption.height),
                     QCoreApplication::translate("Graph", caption.text), WindowFont(),
                     caption.picture != nullptr});
        }
        built->charts[std::size_t(number - 1)] = std::move(chart);
    }
    for (const SeriesDefinition &definition : GraphSeriesDefinitions())
        built->series[std::size_t(definition.number)] =
            &AddDefinedSeries(*built->charts[std::size_t(definition.chart - 1)], definition);
    FillDefinedSeries(built->series, state);
    return built;
}

QSize ChartSize(int number) {
    const ChartDefinition &definition = GraphChartDefinition(number);
    return {definition.width, definition.height};
}

// Paper has its own colours: the charts' system colours resolve against the toolkit's own
// light palette, never the desktop's theme, so that a report made on a dark desktop prints.
const QPalette &PaperPalette() {
    struct Role {
        QPalette::ColorRole role;
        QRgb enabled, disabled;
    };
    static const Role kRoles[] = {
        {QPalette::WindowText, 0x000000, 0xbebebe},
        {QPalette::Button, 0xefefef, 0xefefef},
        {QPalette::Light, 0xffffff, 0xffffff},
        {QPalette::Midlight, 0xcacaca, 0xcacaca},
        {QPalette::Dark, 0x9f9f9f, 0xbebebe},
        {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
        {QPalette::Text, 0x000000, 0xbebebe},
        {QPalette::BrightText, 0xffffff, 0xffffff},
        {QPalette::ButtonText, 0x000000, 0xbebebe},
        {QPalette::Base, 0xffffff, 0xefefef},
        {QPalette::Window, 0xefefef, 0xefefef},
        {QPalette::Shadow, 0x767676, 0xb1b1b1},
        {QPalette::Highlight, 0x308cc6, 0x919191},
        {QPalette::HighlightedText, 0xffffff, 0xffffff},
        {QPalette::Link, 0x0000ff, 0x0000ff},
        {QPalette::LinkVisited, 0xff00ff, 0xff00ff},
        {QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
        {QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
        {QPalette::ToolTipText, 0x000000, 0x000000},
        {QPalette::PlaceholderText, 0x000000, 0x000000},
    };
    static const QPalette palette = [] {
        QPalette paper;
        for (const Role &role : kRoles) {
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                paper.setColor(group, role.role, QColor(role.enabled));
            paper.setColor(QPalette::Disabled, role.role, QColor(role.disabled));
        }
        return paper;
    }();
    return palette;
}

void PaintChart(QPainter &painter, const ChartModel &chart, int number, const QRectF &target) {
    const QSize size = ChartSize(number);
    painter.save();
    painter.translate(target.topLeft());
    const qreal scale = target.width() / size.width();
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, size.width(), size.height()));
    RenderChart(chart, painter, size, PaperPalette());
    painter.restore();
}

// Two charts a row, as wide as the page allows and no taller than the room left.
void PaintCharts(Page &page, const CalculationState &state, int count) {
    page.Heading(QCoreApplication::translate("Report", "Графіки залежностей"));
    const std::unique_ptr<ReportCharts> built = BuildCharts(state);
    const QSize first = ChartSize(1);
    const qreal aspect = qreal(first.height()) / first.width();
    const int rowsOfCharts = count > 2 ? 2 : 1;
    qreal width = (page.Width() - page.Mm(kChartGapMm)) / 2;
    width = std::min(width, (page.Room() - (rowsOfCharts - 1) * page.Mm(kChartGapMm)) /
                                (rowsOfCharts * aspect));
    for (int k = 0; k < count; ++k) {
        const qreal x = (k % 2) * (width + page.Mm(kChartGapMm));
        const qreal y = page.Top() + (k / 2) * (width * aspect + page.Mm(kChartGapMm));
        PaintChart(page.Painter(), *built->charts[std::size_t(k)], k + 1,
                   QRectF(x, y, width, width * aspect));
    }
}

// Qt's PDF writer has no subject of its own; the document's XMP description is where
// viewers show one ("Опис", "Subject"), beside the title and the program.
QByteArray XmpMetadata(const QString &title, const ReportExtras &extras) {
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped().toUtf8(); };
    return "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
           "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
           "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
           "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
           "xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>\n"
           "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>" +
           escaped(title) +
           "</rdf:li></rdf:Alt></dc:title>\n"
           "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>" +
           escaped(extras.source) + "</rdf:li></rdf:Alt></dc:description>\n" +
           (extras.sourceSha256.isEmpty()
                ? QByteArray()
                : "<pdf:Keywords>" + SourceKeyword(extras.sourceSha256) + "</pdf:Keywords>\n") +
           "<xmp:CreatorTool>" + escaped(QString::fromUtf8(kApplicationTitle)) +
           "</xmp:CreatorTool>\n"
           "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>";
}

} // namespace

QByteArray SourceKeyword(const QByteArray &sha256) { return "kvr-source-sha256:" + sha256.toHex(); }

void SetReportPage(QPagedPaintDevice &device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
}

void PaintLabReport(QPainter &painter, const RunStatus &status, const CalculationState &state,
                    const ReportExtras &extras) {
    Page page(painter);
    const RunReport report = WindowReport(status, state);
    WriteTitle(page, report, extras.checker);
    WriteInputs(page, report);
    WriteCutterTable(page, report);
    if (report.Determined())
        WriteModels(page, report);
    if (!extras.missingModels.isEmpty())
        WhyNoModels(page, report, extras.missingModels);
    if (!extras.notes.isEmpty())
        WriteParagraph(page, extras.notes);
    // The speed graphs draw the models, and only what the graphs window may draw: after a
    // rejected or failed determination the record's speed values need not be the models'.
    PaintCharts(page, state, Buttons(status).graphs ? 3 : 1);
}

QString ReportTitle(const RunStatus &status) {
    return QCoreApplication::translate("Report", "Звіт: ") +
           Text(OneCell(status.calculation.userName));
}

Expected<QByteArray> LabReportPdf(const RunStatus &status, const CalculationState &state,
                                  const ReportExtras &extras) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromUtf8(kApplicationTitle));
        writer.setTitle(ReportTitle(status));
        if (!extras.source.isEmpty())
            writer.setDocumentXmpMetadata(XmpMetadata(ReportTitle(status), extras));
        SetReportPage(writer);
        QPainter painter;
        if (!painter.begin(&writer))
            return FileFailure{};
        PaintLabReport(painter, status, state, extras);
    }
    return buffer.data();
}

} // namespace kvr
