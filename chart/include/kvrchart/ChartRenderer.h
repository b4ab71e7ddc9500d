#pragma once

#include "ChartLayout.h"

#include <QPalette>
#include <QSize>

#include <functional>

class QPainter;

namespace kvr::chart {

class ChartModel;

// The points of a drawing at which a listener hears from it, in their order.
enum class DrawPoint { BeforeAxes, BeforeSeries, After };
using DrawListener = std::function<void(DrawPoint)>;

// Paints a model on any painter (a widget's picture, an image, a PDF page, a printer) in
// the model's own pixels, laid out for a panel of `size`; the painter's transform scales
// the picture. Text is measured as on the screen, so a page shows the window's layout.
void RenderChart(const ChartModel &model, QPainter &painter, QSize size,
                 const QPalette &palette = QPalette());
// The same with a layout already made for that size.
void RenderChart(const ChartModel &model, QPainter &painter, const ChartLayout &layout,
                 const QPalette &palette = QPalette(), const DrawListener &listener = {});

} // namespace kvr::chart
