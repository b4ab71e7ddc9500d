// Draws a chart with nothing but the installed package: a model rendered on an image, and
// the same model's layout read without drawing.
#include <kvrchart/ChartModel.h>
#include <kvrchart/ChartRenderer.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication application(argc, argv);
    using namespace kvr::chart;
    ChartModel model;
    model.Legend().SetVisible(false);
    auto &line = model.AddSeries<TLineSeries>(QStringLiteral("wear"));
    line.SetSeriesColor(clRed);
    line.AddPoint(0, 0);
    line.AddPoint(10, 40);
    const QSize size(400, 250);
    const ChartLayout layout = LayOutChart(model, size);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    RenderChart(model, painter, layout);
    painter.end();
    const ChartRect plot = layout.plotRect;
    const AxisMapping &x = layout.Axis(AxisId::Bottom).mapping;
    const AxisMapping &y = layout.Axis(AxisId::Left).mapping;
    const int px = x.ValueToPixel(5);
    const int py = y.ValueToPixel(20);
    std::printf("plot %d %d %d %d\n", plot.Left, plot.Top, plot.Right, plot.Bottom);
    std::printf("point (5, 20) at %d %d: %06x\n", px, py, image.pixel(px, py) & 0xFFFFFF);
    std::printf("back wall at %d %d: %06x\n", plot.Left + 2, plot.Top + 2,
                image.pixel(plot.Left + 2, plot.Top + 2) & 0xFFFFFF);
    return 0;
}
