#pragma once

#include "AxisScale.h"
#include "ChartGeometry.h"
#include "ChartPen.h"
#include "ChartTitle.h"

#include <QHash>
#include <QLocale>

#include <mutex>
#include <span>
#include <vector>

namespace kvr::chart {

class TChartSeries;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
// The chart's five axes, in the order of every loop over them.
enum class AxisId { Bottom, Top, Left, Right, Depth };
inline constexpr int kAxisCount = 5;

struct AxisLabel {
    int pixel = 0;
    QString text;
};

// The range settings of an axis: what a zoom saves and gives back, and what a layout may be
// asked to use instead of the axis's own.
struct AxisRange {
    bool automatic = true;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0.0;
    double maximum = 0.0;

    // What SetMinMax(a, b) leaves: the pair ordered, every automatic flag off and a range of
    // at least 1e-10.
    static AxisRange Fixed(double a, double b);
    bool operator==(const AxisRange &) const = default;
};

// One axis in one picture: what the layout step computed and the drawing reads.
struct AxisLayout {
    bool shown = false;
    // The settings it was laid out with.
    AxisRange range;
    // The ends before the series' margins: the stored ones, or the data's where automatic.
    double minimum = 0.0;
    double maximum = 0.0;
    // Pixel ends and the working range, widened by the series' margins.
    AxisMapping mapping;
    int linePos = 0;
    int labelsPos = 0;
    int titlePos = 0;
    // From the highest value down; the ticks in the same order, at most kTickCapacity.
    std::vector<AxisLabel> labels;
    std::vector<int> ticks;
};

class TChartAxisTitle : public TChartFontObject {
public:
    QString Caption() const { return m_caption; }
    int Angle() const { return m_angle; }
    void SetCaption(const QString &value) { Store(m_caption, value); }
    // Refuses angles outside 0 … 359 with a ChartException.
    void SetAngle(int value);

private:
    QString m_caption;
    int m_angle = 0;
};

// One of the chart's five axes: its range (stored or taken from its series) and the mapping
// between values and pixels. Its room in the layout, its labels and its drawing are
// measured on a drawing surface inside the component.
class TCustomChartAxis : public ChartPart {
public:
    explicit TCustomChartAxis(AxisId side);
    virtual ~TCustomChartAxis() = default;

    AxisId Side() const { return m_side; }
    bool Horizontal() const { return m_side == AxisId::Bottom || m_side == AxisId::Top; }
    bool OtherSide() const { return m_side == AxisId::Top || m_side == AxisId::Right; }

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
    const TChartFont &LabelsFont() const { return m_labelsFont; }
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
    AxisRange Range() const;
    // The flags through their setters, and the ends through SetMinMax unless automatic, so
    // an axis whose maximum followed the data when the range was taken follows it again.
    void SetRange(const AxisRange &range);
    // Moves both ends by delta with every automatic flag off.
    void Scroll(double delta);

    // Layout steps that need no drawing surface, called by the chart in its fixed order;
    // each fills its part of layout.
    void CalcWorkingRange(const AxisRange &range, AxisLayout &layout) const;
    bool IsShown(bool axisVisible) const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    void CalcPixelEnds(const ChartRect &plot, AxisLayout &layout) const;
    void AdjustMarginsFromSeries(AxisLayout &layout) const;

    bool IsAssociated(const TChartSeries &series) const;

    QString LabelText(double value) const;
    // Where a press lands on this axis in a picture laid out so.
    ChartRect HitRect(const AxisLayout &layout) const;

    static constexpr int kTickCapacity = 2000;

private:
    friend class AxisSteps;

    std::span<const TChartSeries *const> AllSeries() const;
    std::vector<const TChartSeries *> RangeSeries() const;
    double SeriesExtreme(bool highest) const;

    // Label measuring.
    QStringList LabelLines(const QString &text) const;
    bool TextRunsAlong(int angle) const;

    // Label production (ChartAxisLabels.cpp).
    void ProduceValueLabels(double step, AxisLayout &layout) const;
    void ProduceTextLabels(AxisLayout &layout) const;
    void AddLabel(double value, const QString &text, AxisLayout &layout) const;
    int ShiftIntoPlot(const ChartRect &plot) const;
    int LinePosition(const ChartRect &plot) const;
    int LabelsShift(const ChartRect &plot) const;

    std::vector<int> MinorTickPositions(const AxisLayout &layout) const;

    AxisId m_side;

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
    TAxisLabelStyle m_labelStyle = TAxisLabelStyle::talAuto;
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

    // Label texts already written, and what they were written with.
    struct LabelTexts {
        QLocale locale;
        QString format;
        bool multiLine = false;
        QHash<double, QString> texts;
    };
    // Drawings on several threads may write labels at once.
    mutable std::mutex m_labelTextsMutex;
    mutable LabelTexts m_labelTexts;
};

class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

class TChartDepthAxis : public TCustomChartAxis {
public:
    TChartDepthAxis();
};

} // namespace kvr::chart
