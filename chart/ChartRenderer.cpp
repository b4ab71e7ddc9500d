#include "ChartDrawing.h"

#include "AxisSteps.h"
#include "ChartCanvas.h"
#include "LegendSteps.h"
#include "SeriesSteps.h"
#include "TitleSteps.h"
#include <kvrchart/ChartModel.h>

namespace kvr::chart {

namespace {

// What of the plot a back wall surely paints over: a solid colour copied inside its outline.
ChartRect WallCover(const TChartWall &wall, const ChartRect &plot) {
    const TChartBrush &brush = wall.Brush();
    const bool solid = brush.Bitmap().isNull() && brush.Style() == TBrushStyle::bsSolid &&
                       wall.Color() != clDefault && wall.Color() != clNone &&
                       wall.Pen().Mode() == TPenMode::pmCopy;
    return solid ? ChartRect{plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom} : ChartRect{};
}

// Filling costs by the pixel: what the back wall paints over anyway is left to it.
void FillAround(ChartCanvas &canvas, const ChartRect &bounds, const ChartRect &cover) {
    const ChartRect hole = Intersect(bounds, cover);
    if (IsEmpty(hole)) {
        canvas.FillRect(bounds);
        return;
    }
    canvas.FillRect({bounds.Left, bounds.Top, bounds.Right, hole.Top});
    canvas.FillRect({bounds.Left, hole.Bottom, bounds.Right, bounds.Bottom});
    canvas.FillRect({bounds.Left, hole.Top, hole.Left, hole.Bottom});
    canvas.FillRect({hole.Right, hole.Top, bounds.Right, hole.Bottom});
}

void DrawPanelBackground(const ChartModel &model, ChartCanvas &canvas, const ChartRect &bounds,
                         const ChartRect &wallCover) {
    canvas.SetBrush(model.Color(), TBrushStyle::bsSolid);
    FillAround(canvas, bounds, wallCover);
    ChartRect r = bounds;
    auto bevel = [&](TPanelBevel kind) {
        if (kind == TPanelBevel::bvNone)
            return;
        const bool raised = kind == TPanelBevel::bvRaised;
        r = canvas.BevelRings(r, raised ? clBtnHighlight : clBtnShadow,
                              raised ? clBtnShadow : clBtnHighlight, model.BevelWidth());
    };
    bevel(model.BevelOuter());
    r = canvas.BevelRings(r, model.Color(), model.Color(), model.BorderWidth());
    bevel(model.BevelInner());
}

void DrawBackWall(const TChartWall &wall, ChartCanvas &canvas, const ChartRect &plot) {
    canvas.ApplyPen(wall.Pen());
    const TChartBrush &brush = wall.Brush();
    const TColor color = wall.Color();
    canvas.SetBackOpaque(false);
    if (!brush.Bitmap().isNull()) {
        canvas.SetBrushBitmap(brush.Bitmap());
    } else if (color == clDefault && brush.Style() == TBrushStyle::bsSolid) {
        canvas.SetBrush(clWhite, TBrushStyle::bsClear);
    } else {
        canvas.SetBrush(color, brush.Style());
        if (brush.Style() != TBrushStyle::bsSolid) {
            canvas.SetBackOpaque(true);
            canvas.SetBackColor(brush.Color());
            if (color == brush.Color())
                canvas.SetBrushColor(brush.Color() == clBlack ? clWhite : clBlack);
        }
    }
    canvas.Rectangle({plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1});
    canvas.SetBrushBitmap(QImage());
    canvas.SetBackOpaque(false);
}

void DrawAxes(const ChartModel &model, ChartCanvas &canvas, const ChartLayout &layout) {
    const auto axes = model.Axes();
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (layout.axes[i].shown)
            AxisSteps::Draw(*axes[i], canvas, layout.axes[i], layout.plotRect, model.Color());
    }
}

void DrawSeries(const ChartModel &model, ChartCanvas &canvas, const ChartLayout &layout) {
    const ChartRect &plot = layout.plotRect;
    const auto list = model.SeriesList();
    for (std::size_t i = 0; i < list.size() && i < layout.series.size(); ++i) {
        const TChartSeries *s = list[i];
        const PlotFrame &frame = layout.series[i];
        if (!s->Active() || frame.first < 0)
            continue;
        if (model.ClipPoints())
            canvas.ClipRect({plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1});
        SeriesSteps::Draw(*s, canvas, frame);
        canvas.UnClip();
    }
}

} // namespace

void DrawChart(const ChartModel &model, ChartCanvas &canvas, const ChartLayout &layout,
               const DrawListener &listener) {
    auto tell = [&](DrawPoint point) {
        if (listener)
            listener(point);
    };
    // On a page, one background under the wall keeps a viewer from showing seams.
    DrawPanelBackground(model, canvas, layout.panel.bounds,
                        canvas.OnImage() ? WallCover(model.BackWall(), layout.plotRect)
                                         : ChartRect{});
    const TChartLegend &legend = model.Legend();
    const bool legendFirst = legend.Vertical();
    if (legendFirst)
        LegendSteps::Draw(legend, canvas, layout.legend, model.Color());
    TitleSteps::Draw(model.Title(), canvas, layout.title);
    TitleSteps::Draw(model.Foot(), canvas, layout.foot);
    if (!legendFirst)
        LegendSteps::Draw(legend, canvas, layout.legend, model.Color());
    DrawBackWall(model.BackWall(), canvas, layout.plotRect);
    tell(DrawPoint::BeforeAxes);
    DrawAxes(model, canvas, layout);
    tell(DrawPoint::BeforeSeries);
    DrawSeries(model, canvas, layout);
    for (const ChartTextItem &item : model.TextItems())
        canvas.TextBox(item.rect, item.text, item.font, item.upward);
    canvas.Reset();
    tell(DrawPoint::After);
}

void RenderChart(const ChartModel &model, QPainter &painter, const ChartLayout &layout,
                 const QPalette &palette, const DrawListener &listener) {
    const ChartRect &bounds = layout.panel.bounds;
    ChartCanvas canvas(painter, QSize(bounds.Width(), bounds.Height()), palette);
    DrawChart(model, canvas, layout, listener);
}

void RenderChart(const ChartModel &model, QPainter &painter, QSize size, const QPalette &palette) {
    RenderChart(model, painter, LayOutChart(model, size), palette);
}

} // namespace kvr::chart
