// The graphs window: three charts side by side, filled from the calculation record each
// time the window is shown and emptied when it is closed.
#pragma once

#include "FixedForm.h"

class QLabel;

namespace kvr::chart {
class TChart;
class TChartSeries;
class TCustomSeries;
class TLineSeries;
class TPointSeries;
} // namespace kvr::chart

namespace kvr {

class Experiment;
class GraphInteraction;
struct SeriesDefinition;

class TForm_Graphic : public TFixedForm {
    Q_OBJECT
public:
    explicit TForm_Graphic(const kvr::Experiment &experiment);

    // Every showing from hidden: fills the three charts.
    void FormShow();
    // Closing: empties the ten series, then the window hides.
    void FormClose();
    // Asked for while shown: drawn anew as a fresh showing draws.
    void Refill();

    chart::TChart *Chart1 = nullptr, *Chart2 = nullptr, *Chart3 = nullptr;
    // Series1 .. Series10 by number; index 0 is unused.
    chart::TCustomSeries *Series[11] = {};
    QLabel *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr;

    chart::TCustomSeries &SeriesNo(int number) const { return *Series[number]; }
    GraphInteraction &Interaction() const { return *m_interaction; }

signals:
    // The charts show a run's points: what a screen reader says of them follows.
    void ChartsFilled();

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildCharts();
    void BuildSeries();
    void BuildCaptions();
    const SeriesDefinition &DefinitionOf(const chart::TChartSeries &series) const;

    const Experiment &m_experiment;
    GraphInteraction *m_interaction = nullptr;
};

} // namespace kvr
