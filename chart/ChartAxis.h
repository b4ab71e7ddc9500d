#pragma once

#include "AxisScale.h"
#include "ChartGeometry.h"
#include "ChartPen.h"
#include "ChartTitle.h"

#include <array>
#include <span>
#include <vector>

class ChartCanvas;
class TChart;
class TChartSeries;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
enum class AxisSide { Bottom, Top, Left, Right, Depth };

class TChartAxisTitle : public TChartFontObject {
public:
    QString Caption() const { return m_caption; }
    int Angle() const { return m_angle; }
    void SetCaption(const QString &value) { Store(m_caption, value); }
    // Refuses angles outside 0 … 359 with a ChartException.
    void SetAngle(int value);
    void SetTitleSink(ChangeSink *sink) { SetFontSink(sink); }

private:
    QString m_caption;
    int m_angle = 0;
};

// One of the chart's five axes: its range (stored or taken from its series), the mapping
// between values and pixels, its room in the layout and its drawing.
class TCustomChartAxis : public ChartPart {
public:
    TCustomChartAxis(TChart &chart, AxisSide side);
    virtual ~TCustomChartAxis() = default;

    AxisSide Side() const { return m_side; }
    bool Horizontal() const { return m_side == AxisSide::Bottom || m_side == AxisSide::Top; }
    bool OtherSide() const { return m_side == AxisSide::Top || m_side == AxisSide::Right; }

    bool Automatic() const { return m_automatic; }
    bool AutomaticMinimum() const { return m_automaticMinimum; }
    bool AutomaticMaximum() const { return m_automaticMaximum; }
    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }
    double Increment() const { return m_increment; }
    bool Visible() const { return m_visible; }
    bool Inverted() const { return m_inverted; }
    bool Labels() const { return m_labels; }
    int LabelsAngle() const { return m_labelsAngle; }
    int LabelsSeparation() const { return m_labelsSeparation; }
    int LabelsSize() const { return m_labelsSize; }
    bool LabelsOnAxis() const { return m_labelsOnAxis; }
    bool LabelsMultiLine() const { return m_labelsMultiLine; }
    TAxisLabelStyle LabelStyle() const { return m_labelStyle; }
    QString AxisValuesFormat() const { return m_axisValuesFormat; }
    bool RoundFirstLabel() const { return m_roundFirstLabel; }
    int TickLength() const { return m_tickLength; }
    int TickInnerLength() const { return m_tickInnerLength; }
    int MinorTickLength() const { return m_minorTickLength; }
    int MinorTickCount() const { return m_minorTickCount; }
    bool TickOnLabelsOnly() const { return m_tickOnLabelsOnly; }
    bool GridCentered() const { return m_gridCentered; }
    int TitleSize() const { return m_titleSize; }
    bool Logarithmic() const { return m_logarithmic; }
    int LogarithmicBase() const { return m_logarithmicBase; }
    double StartPosition() const { return m_startPosition; }
    double EndPosition() const { return m_endPosition; }
    double PositionPercent() const { return m_positionPercent; }

    TChartFont &LabelsFont() { return m_labelsFont; }
    TChartAxisPen &Axis() { return m_axisPen; }
    TDarkGrayPen &Ticks() { return m_ticks; }
    TDarkGrayPen &TicksInner() { return m_ticksInner; }
    TDarkGrayPen &MinorTicks() { return m_minorTicks; }
    TDottedGrayPen &Grid() { return m_grid; }
    TChartHiddenPen &MinorGrid() { return m_minorGrid; }
    TChartAxisTitle &Title() { return m_title; }

    void SetAutomatic(bool value);
    void SetAutomaticMinimum(bool value);
    void SetAutomaticMaximum(bool value);
    void SetMinimum(double value);
    void SetMaximum(double value);
    void SetIncrement(double value);
    void SetVisible(bool value) { Store(m_visible, value); }
    void SetInverted(bool value) { Store(m_inverted, value); }
    void SetLabels(bool value) { Store(m_labels, value); }
    void SetLabelsAngle(int value);
    void SetLabelsSeparation(int value);
    void SetLabelsSize(int value) { Store(m_labelsSize, value); }
    void SetLabelsOnAxis(bool value) { Store(m_labelsOnAxis, value); }
    void SetLabelsMultiLine(bool value) { Store(m_labelsMultiLine, value); }
    void SetLabelStyle(TAxisLabelStyle value) { Store(m_labelStyle, value); }
    void SetAxisValuesFormat(const QString &value) { Store(m_axisValuesFormat, value); }
    void SetRoundFirstLabel(bool value) { Store(m_roundFirstLabel, value); }
    void SetTickLength(int value) { Store(m_tickLength, value); }
    void SetTickInnerLength(int value) { Store(m_tickInnerLength, value); }
    void SetMinorTickLength(int value) { Store(m_minorTickLength, value); }
    void SetMinorTickCount(int value) { Store(m_minorTickCount, value); }
    void SetTickOnLabelsOnly(bool value) { Store(m_tickOnLabelsOnly, value); }
    void SetGridCentered(bool value) { Store(m_gridCentered, value); }
    void SetTitleSize(int value) { Store(m_titleSize, value); }
    void SetLogarithmic(bool value);
    void SetLogarithmicBase(int value);
    void SetStartPosition(double value) { Store(m_startPosition, value); }
    void SetEndPosition(double value) { Store(m_endPosition, value); }
    void SetPositionPercent(double value) { Store(m_positionPercent, value); }

    // Orders the pair, turns every automatic flag off and keeps a range of at least 1e-10.
    void SetMinMax(double a, double b);
    // Moves both ends by delta with every automatic flag off.
    void Scroll(double delta);

    // Layout and drawing steps, called by the chart in its fixed order.
    void CalcWorkingRange();
    bool IsShown() const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    void TakeRoom(ChartCanvas &canvas, ChartRect &rect);
    void CalcPixelEnds(const ChartRect &plotRect);
    void AdjustMarginsFromSeries();
    void Draw(ChartCanvas &canvas);

    bool IsAssociated(const TChartSeries &series) const;
    int ValueToPixel(double value) const { return m_mapping.ValueToPixel(value); }
    double PixelToValue(int pixel) const { return m_mapping.PixelToValue(pixel); }
    const kvr::chart::AxisMapping &Mapping() const { return m_mapping; }
    double WorkingMinimum() const { return m_mapping.minimum; }
    double WorkingMaximum() const { return m_mapping.maximum; }
    double WorkingRange() const { return m_mapping.Range(); }
    int IStartPos() const { return m_mapping.start; }
    int IEndPos() const { return m_mapping.end; }
    int AxisLength() const { return m_mapping.Length(); }
    int LabelsPosition() const { return m_labelsPos; }
    int AxisLinePosition() const { return m_linePos; }

    QString LabelText(double value) const;
    double CalcLabelStep(ChartCanvas &canvas, int axisLength) const;
    std::span<const int> TickList() const { return {m_tickList.data(), std::size_t(m_tickCount)}; }
    ChartRect HitRect() const;

    void SetAxisSink(ChangeSink *sink);

    static constexpr int kTickCapacity = 2000;

private:
    // Working range helpers.
    std::vector<const TChartSeries *> RangeSeries() const;
    double SeriesExtreme(bool highest) const;
    bool Loading() const;

    // Label measuring.
    QStringList LabelLines(const QString &text) const;
    int LabelWidth(ChartCanvas &canvas, const QString &text) const;
    int LabelHeight(ChartCanvas &canvas, const QString &text) const;
    int WidestLabel(ChartCanvas &canvas) const;
    int WidestSeriesText(ChartCanvas &canvas) const;
    bool TextRunsAlong(int angle) const;

    // Drawing helpers (ChartAxisDraw.cpp).
    void DrawTitle(ChartCanvas &canvas);
    void ProduceLabels(ChartCanvas &canvas, double step);
    void ProduceValueLabels(ChartCanvas &canvas, double step);
    void ProduceTextLabels(ChartCanvas &canvas);
    void DrawLabelAt(ChartCanvas &canvas, double value, const QString &text);
    void PlaceLabel(ChartCanvas &canvas, int pixel, const QString &text);
    void AddTick(int pixel);
    void DrawTicksAndGrid(ChartCanvas &canvas);
    void DrawGrid(ChartCanvas &canvas);
    void DrawMinorTicksAndGrid(ChartCanvas &canvas);
    void DrawTick(ChartCanvas &canvas, int at, int offset, int length);
    void DrawGridLine(ChartCanvas &canvas, int at);
    std::vector<int> MinorTickPositions() const;
    int ShiftIntoPlot() const;
    int LinePosition(const ChartRect &plot) const;
    int LabelsShift() const;

    TChart &m_chart;
    AxisSide m_side;

    bool m_automatic = true;
    bool m_automaticMinimum = true;
    bool m_automaticMaximum = true;
    double m_minimum = 0.0;
    double m_maximum = 0.0;
    double m_increment = 0.0;
    bool m_visible = true;
    bool m_inverted = false;
    bool m_labels = true;
    int m_labelsAngle = 0;
    int m_labelsSeparation = 10;
    int m_labelsSize = 0;
    bool m_labelsOnAxis = true;
    bool m_labelsMultiLine = false;
    TAxisLabelStyle m_labelStyle = talAuto;
    QString m_axisValuesFormat = QStringLiteral("#,##0.###");
    bool m_roundFirstLabel = true;
    int m_tickLength = 4;
    int m_tickInnerLength = 0;
    int m_minorTickLength = 2;
    int m_minorTickCount = 3;
    bool m_tickOnLabelsOnly = true;
    bool m_gridCentered = false;
    int m_titleSize = 0;
    bool m_logarithmic = false;
    int m_logarithmicBase = 10;
    double m_startPosition = 0.0;
    double m_endPosition = 100.0;
    double m_positionPercent = 0.0;

    TChartFont m_labelsFont;
    TChartAxisPen m_axisPen;
    TDarkGrayPen m_ticks;
    TDarkGrayPen m_ticksInner;
    TDarkGrayPen m_minorTicks;
    TDottedGrayPen m_grid;
    TChartHiddenPen m_minorGrid;
    TChartAxisTitle m_title;

    kvr::chart::AxisMapping m_mapping;
    int m_linePos = 0;
    int m_labelsPos = 0;
    int m_titlePos = 0;
    std::array<int, kTickCapacity> m_tickList{};
    int m_tickCount = 0;
};

class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

class TChartDepthAxis : public TCustomChartAxis {
public:
    explicit TChartDepthAxis(TChart &chart);
};
