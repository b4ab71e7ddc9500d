#include "Graphic.h"

#include "CalculationState.h"
#include "GraphData.h"
#include "GraphInteraction.h"
#include "GraphicLayout.h"
#include "Handler.h"
#include "TChart.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QShowEvent>

namespace kvr {

namespace {

void AddPoints(TChartSeries &series, const std::vector<PlotPoint> &points) {
    for (const PlotPoint &point : points)
        series.AddPoint(point.x, point.y, QString(), clDefault);
}

void ApplyChartDefinition(TChart &chart, const ChartDefinition &definition) {
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(bsClear);
    chart.SetMarginBottom(7);
    chart.SetMarginLeft(6);
    chart.SetMarginTop(3);
    chart.Title().SetVisible(false);
    if (*definition.titleText)
        chart.Title().SetText({QString::fromUtf8(definition.titleText)});
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetAutomaticMinimum(false);
    if (definition.bottomMinimum != 0)
        chart.BottomAxis().SetMinimum(definition.bottomMinimum);
    chart.LeftAxis().SetAutomatic(false);
    chart.LeftAxis().SetAutomaticMinimum(false);
    if (definition.leftTitleSize != 0)
        chart.LeftAxis().SetTitleSize(definition.leftTitleSize);
    chart.Legend().SetVisible(definition.legendVisible);
    if (definition.legendVisible) {
        chart.Legend().SetColorWidth(50);
        chart.Legend().SetShadowSize(1);
    }
    chart.SetView3D(false);
}

void ApplySeriesDefinition(TCustomSeries &series, const SeriesDefinition &definition) {
    series.SetSeriesColor(definition.color);
    series.SetTitle(QString::fromUtf8(definition.title));
    series.SetShowInLegend(definition.showInLegend);
    series.Marks().SetVisible(false);
    series.Marks().SetArrowLength(definition.arrowLength);
    series.Pointer().SetInflateMargins(true);
    if (definition.kind == SeriesKind::Line) {
        series.LinePen().SetWidth(2);
        series.Pointer().SetVisible(false);
    } else {
        series.Pointer().SetVisible(true);
        series.Pointer().SetStyle(psCircle);
        series.Pointer().Brush().SetColor(definition.markerFill);
    }
}

} // namespace

TForm_Graphic::TForm_Graphic()
    : TFixedForm("Form_Graphic", QString::fromUtf8("Kelvora \"KVR\". Графіки залежностей"),
                 QPoint(23, 181), QSize(1305, 393)) {
    BuildCharts();
    BuildSeries();
    BuildCaptions();
    new GraphInteraction(this, {Chart1, Chart2, Chart3});
    ApplyResizePolicy();
}

void TForm_Graphic::BuildCharts() {
    TChart **charts[] = {&Chart1, &Chart2, &Chart3};
    int index = 0;
    for (const ChartDefinition &definition : GraphChartDefinitions()) {
        auto *chart = new TChart(this);
        chart->setObjectName(QString::fromLatin1(definition.name));
        chart->setGeometry(definition.left, definition.top, definition.width, definition.height);
        // The stored definition is applied as a form loads it, before any showing.
        chart->BeginLoading();
        ApplyChartDefinition(*chart, definition);
        chart->EndLoading();
        *charts[index++] = chart;
    }
    QWidget::setTabOrder(Chart1, Chart2);
    QWidget::setTabOrder(Chart2, Chart3);
}

void TForm_Graphic::BuildSeries() {
    TChart *charts[] = {nullptr, Chart1, Chart2, Chart3};
    for (const SeriesDefinition &definition : GraphSeriesDefinitions()) {
        TChart &chart = *charts[definition.chart];
        const QString name = QStringLiteral("Series%1").arg(definition.number);
        chart.BeginLoading();
        TCustomSeries &series =
            definition.kind == SeriesKind::Line
                ? static_cast<TCustomSeries &>(chart.AddSeries<TLineSeries>(name))
                : chart.AddSeries<TPointSeries>(name);
        ApplySeriesDefinition(series, definition);
        chart.EndLoading();
        Series[definition.number] = &series;
    }
}

void TForm_Graphic::BuildCaptions() {
    TChart *charts[] = {nullptr, Chart1, Chart2, Chart3};
    for (const ChartCaption &caption : GraphCaptions()) {
        auto *label = new QLabel(charts[caption.chart]);
        label->setObjectName(QString::fromLatin1(caption.name));
        label->setGeometry(caption.left, caption.top, caption.width, caption.height);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (caption.picture)
            label->setPixmap(QPixmap(QString::fromLatin1(caption.picture)));
        else
            label->setText(QString::fromUtf8(caption.text));
    }
    Label4 = Chart2->findChild<QLabel *>(QStringLiteral("Label4"));
    Label5 = Chart3->findChild<QLabel *>(QStringLiteral("Label5"));
    Label6 = Chart1->findChild<QLabel *>(QStringLiteral("Label6"));
    Label7 = Chart1->findChild<QLabel *>(QStringLiteral("Label7"));
    Image1 = Chart2->findChild<QLabel *>(QStringLiteral("Image1"));
    Image2 = Chart1->findChild<QLabel *>(QStringLiteral("Image2"));
    Image3 = Chart3->findChild<QLabel *>(QStringLiteral("Image3"));
}

bool TForm_Graphic::FormCanResize(int &, int &) { return false; }

void TForm_Graphic::showEvent(QShowEvent *event) {
    TFixedForm::showEvent(event);
    // A window-system show (restoring from the task bar) is no new showing.
    if (!event->spontaneous())
        RunHandler([this] { FormShow(); });
}

void TForm_Graphic::closeEvent(QCloseEvent *event) {
    RunHandler([this] { FormClose(); });
    TFixedForm::closeEvent(event);
}

void TForm_Graphic::FormShow() {
    for (TChart *chart : {Chart1, Chart2, Chart3})
        chart->SetBackColor(kGraphBackColor);
    const int measured[] = {1, 3, 5};
    const int lines[] = {2, 4, 6};
    for (int i = 1; i <= kCutters; ++i)
        AddPoints(SeriesNo(measured[i - 1]), MeasuredWear(State, i));
    for (int i = 1; i <= kCutters; ++i)
        AddPoints(SeriesNo(lines[i - 1]), WearLine(State, i));

    const SpeedRange range = CurveSpeedRange(State);
    AddPoints(SeriesNo(7), SpeedPoints(State, State.wear_at_chosen_time));
    AddPoints(SeriesNo(8),
              ModelCurve(State.wear_model_coefficient, State.wear_model_exponent, range));
    AddPoints(SeriesNo(9), SpeedPoints(State, State.tool_life));
    AddPoints(SeriesNo(10),
              ModelCurve(State.life_model_coefficient, State.life_model_exponent, range));
}

void TForm_Graphic::FormClose() {
    for (int number = 1; number <= 10; ++number)
        SeriesNo(number).RemoveAllPoints();
}

} // namespace kvr
