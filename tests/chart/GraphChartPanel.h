#pragma once

#include <kvrchart/TChart.h>

// The stored panel, walls, title and axes of the graphs window's first chart, as the form
// loads them, for the chart tests and benchmarks that draw without the window. The caller
// brackets it with BeginLoading and EndLoading.
inline void LoadGraphPanel(kvr::chart::ChartModel &chart) {
    using namespace kvr::chart;
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(TBrushStyle::bsClear);
    chart.SetMarginBottom(7);
    chart.SetMarginLeft(6);
    chart.SetMarginTop(3);
    chart.Title().SetVisible(false);
    chart.LeftAxis().SetTitleSize(1);
    chart.SetView3D(false);
    for (TChartAxis *axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
        axis->SetAutomatic(false);
        axis->SetAutomaticMinimum(false);
    }
}
