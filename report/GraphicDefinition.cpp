#include "GraphicDefinition.h"

#include <kvrchart/ChartModel.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace kvr {

using namespace chart;

namespace {

constexpr TColor kGreen = 0x00CA00;
constexpr TColor kDarkRed = 0x0000AA;
constexpr TColor kViolet = 0xFF0080;

constexpr ChartMargins kMargins{6, 3, 3, 7};
constexpr AxisDefinition kFromZero{false, false, 0.0, 0};
constexpr AxisDefinition kFromFifty{false, false, 50.0, 0, true};
constexpr LegendDefinition kNoLegend{false, 12, 3};

const ChartDefinition kCharts[] = {
    {"Chart1",
     8,
     8,
     441,
     377,
     kMargins,
     clWhite,
     TBrushStyle::bsClear,
     false,
     "",
     kFromZero,
     {false, false, 0.0, 1},
     {true, 50, 1}},
    {"Chart2", 456, 8, 417, 377, kMargins, clWhite, TBrushStyle::bsClear, false, "TChart",
     kFromFifty, kFromZero, kNoLegend},
    {"Chart3", 880, 8, 417, 377, kMargins, clWhite, TBrushStyle::bsClear, false, "", kFromFifty,
     kFromZero, kNoLegend},
};

using enum SeriesRole;
const SeriesDefinition kSeries[] = {
    {1, 2, SeriesKind::Line, WearLine, 1, clRed, "V1", true, clDefault, 8},
    {1, 1, SeriesKind::Point, MeasuredWear, 1, clRed, "", false, clRed, 0},
    {1, 4, SeriesKind::Line, WearLine, 2, clBlue, "V2", true, clDefault, 8},
    {1, 3, SeriesKind::Point, MeasuredWear, 2, clYellow, "", false, clBlue, 0},
    {1, 6, SeriesKind::Line, WearLine, 3, kGreen, "V3", true, clDefault, 8},
    {1, 5, SeriesKind::Point, MeasuredWear, 3, clWhite, "", false, kGreen, 0},
    {2, 8, SeriesKind::Line, WearModel, 0, kDarkRed, "", true, clDefault, 8},
    {2, 7, SeriesKind::Point, WearAtChosenTime, 0, clRed, "", true, kDarkRed, 8},
    {3, 10, SeriesKind::Line, LifeModel, 0, kViolet, "", true, clDefault, 8},
    {3, 9, SeriesKind::Point, ToolLife, 0, clRed, "", true, kViolet, 0},
};

const ChartCaption kCaptions[] = {
    {1, "Label6", 121, 356, 179, 13,
     QT_TRANSLATE_NOOP("Graph", "Час експлуатації інструмента   , хв."), nullptr},
    {1, "Label7", 276, 356, 4, 14, QT_TRANSLATE_NOOP("Graph", "τ"), nullptr},
    {1, "Image2", 8, 96, 17, 177, QT_TRANSLATE_NOOP("Graph", "Розмірне зношування hр, мкм"),
     QT_TRANSLATE_NOOP("Picture", ":/wear_axis_title.png")},
    {2, "Label4", 161, 356, 136, 13, QT_TRANSLATE_NOOP("Graph", "Швидкість різання V, м/хв."),
     nullptr},
    {2, "Image1", 8, 96, 17, 177, QT_TRANSLATE_NOOP("Graph", "Розмірне зношування hр, мкм"),
     QT_TRANSLATE_NOOP("Picture", ":/wear_axis_title.png")},
    {3, "Label5", 153, 356, 136, 13, QT_TRANSLATE_NOOP("Graph", "Швидкість різання V, м/хв."),
     nullptr},
    {3, "Image3", 8, 112, 17, 129, QT_TRANSLATE_NOOP("Graph", "Період стійкості Т, хв."),
     QT_TRANSLATE_NOOP("Picture", ":/life_axis_title.png")},
};

constexpr AxisDefinition kDefaultAxis{true, true, 0.0, 0};

// A form stores Automatic and AutomaticMinimum, in that order, and leaves AutomaticMaximum
// at its default, true.
void ApplyAxisDefinition(TCustomChartAxis &axis, const AxisDefinition &definition, double minimum) {
    axis.SetAutomaticMaximum(true);
    axis.SetAutomatic(definition.automatic);
    axis.SetAutomaticMinimum(definition.automaticMinimum);
    axis.SetMinimum(minimum);
}

double ShownMinimum(const AxisDefinition &definition, const CalculationState *run) {
    if (!definition.speeds || !run)
        return definition.minimum;
    const double slowest =
        std::min({run->cutting_speed[1], run->cutting_speed[2], run->cutting_speed[3]});
    // A point on the axis' very end would show half its marker.
    const double below = std::floor(slowest / 10) * 10;
    return slowest < definition.minimum ? (below < slowest ? below : below - 10)
                                        : definition.minimum;
}

} // namespace

std::span<const ChartDefinition> GraphChartDefinitions() { return kCharts; }

std::span<const SeriesDefinition> GraphSeriesDefinitions() { return kSeries; }

std::span<const ChartCaption> GraphCaptions() { return kCaptions; }

const ChartDefinition &GraphChartDefinition(int chart) {
    return kCharts[static_cast<std::size_t>(chart - 1)];
}

const SeriesDefinition &GraphSeriesDefinition(SeriesRole role, int cutter) {
    for (const SeriesDefinition &definition : kSeries) {
        if (definition.role == role && definition.cutter == cutter)
            return definition;
    }
    throw std::invalid_argument("no series of this role");
}

void ApplyAxesDefinition(ChartModel &chart, const ChartDefinition &definition,
                         const CalculationState *run) {
    chart.BeginLoading();
    for (const auto &[axis, stored] : {std::pair{&chart.BottomAxis(), &definition.bottomAxis},
                                       {&chart.LeftAxis(), &definition.leftAxis},
                                       {&chart.TopAxis(), &kDefaultAxis},
                                       {&chart.RightAxis(), &kDefaultAxis}})
        ApplyAxisDefinition(*axis, *stored, ShownMinimum(*stored, run));
    chart.EndLoading();
}

void ApplyPanelDefinition(ChartModel &chart, const ChartDefinition &definition) {
    chart.BeginLoading();
    chart.BackWall().Brush().SetColor(definition.backWallBrushColor);
    chart.BackWall().Brush().SetStyle(definition.backWallBrushStyle);
    chart.SetMarginBottom(definition.margins.Bottom);
    chart.SetMarginLeft(definition.margins.Left);
    chart.SetMarginTop(definition.margins.Top);
    chart.SetMarginRight(definition.margins.Right);
    chart.Title().SetVisible(definition.titleVisible);
    if (*definition.titleText)
        chart.Title().SetText({QString::fromUtf8(definition.titleText)});
    for (auto [axis, stored] : {std::pair{&chart.BottomAxis(), &definition.bottomAxis},
                                {&chart.LeftAxis(), &definition.leftAxis}}) {
        if (stored->titleSize != 0)
            axis->SetTitleSize(stored->titleSize);
    }
    chart.SetView3D(false);
    chart.EndLoading();
    ApplyAxesDefinition(chart, definition);
}

void ApplyChartDefinition(ChartModel &chart, const ChartDefinition &definition) {
    ApplyPanelDefinition(chart, definition);
    chart.BeginLoading();
    chart.Legend().SetVisible(definition.legend.visible);
    chart.Legend().SetColorWidth(definition.legend.colorWidth);
    chart.Legend().SetShadowSize(definition.legend.shadowSize);
    chart.EndLoading();
}

TCustomSeries &AddDefinedSeries(ChartModel &chart, const SeriesDefinition &definition) {
    const QString name = QStringLiteral("Series%1").arg(definition.number);
    chart.BeginLoading();
    TCustomSeries &series = definition.kind == SeriesKind::Line
                                ? static_cast<TCustomSeries &>(chart.AddSeries<TLineSeries>(name))
                                : chart.AddSeries<TPointSeries>(name);
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
        series.Pointer().SetStyle(TSeriesPointerStyle::psCircle);
        series.Pointer().Brush().SetColor(definition.markerFill);
    }
    chart.EndLoading();
    return series;
}

void FillDefinedSeries(std::span<TCustomSeries *const> byNumber, const CalculationState &state) {
    for (SeriesRole role : kSeriesRoles) {
        for (const SeriesDefinition &definition : GraphSeriesDefinitions()) {
            if (definition.role != role)
                continue;
            TCustomSeries &series = *byNumber[static_cast<std::size_t>(definition.number)];
            for (const PlotPoint &point : RolePoints(state, role, definition.cutter))
                series.AddPoint(point.x, point.y, QString(), clDefault);
        }
    }
}

} // namespace kvr
