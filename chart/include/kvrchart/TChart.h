#pragma once

// The chart panel on a window: a view of a ChartModel, which it holds and may share with
// other views. It keeps the layout and the picture of the model at its size until the model
// or the size changes, and paints that picture; a ChartNavigator adds the gestures, and may
// draw over the picture.

#include "ChartHitTest.h"
#include "ChartLayout.h"
#include "ChartModel.h"
#include "ChartOverlay.h"
#include "ChartRenderer.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace kvr::chart {

class TChart : public QWidget, private ChartView {
    Q_OBJECT

public:
    // A view of a model of its own.
    explicit TChart(QWidget *parent = nullptr);
    // A view of `model`, which every view of it keeps alive.
    explicit TChart(std::shared_ptr<ChartModel> model, QWidget *parent = nullptr);
    ~TChart() override;

    ChartModel &Model() { return *m_model; }
    const ChartModel &Model() const { return *m_model; }
    // For another view of the same model.
    std::shared_ptr<ChartModel> SharedModel() const { return m_model; }

    // The layout of the last picture, without drawing.
    const ChartLayout &DrawnLayout() const { return m_layout; }
    // The layout the next picture shows, laid out first when the model or the size changed
    // since the last one; nothing is drawn.
    const ChartLayout &Layout();
    ChartRect PanelBounds() const { return m_layout.panel.bounds; }
    ChartRect PlotRect() const { return m_layout.plotRect; }
    SeriesHit SeriesAt(int x, int y) const { return chart::SeriesAt(*m_model, m_layout, x, y); }

    // One complete picture straight into target, PanelBounds being rect; the whole widget's
    // rectangle keeps the layout while the model and the size stay.
    void Draw(QImage &target, const QRect &rect);
    // The off-screen picture at the widget's device pixel ratio, drawn again first when
    // something changed since the last one.
    const QImage &Picture();
    bool BufferClean() const { return m_bufferClean; }
    // The chart as the screen shows it, captions on it included, without the overlay.
    QPixmap GrabPicture();
    // The overlay lives as long as its owner.
    void SetOverlay(const QObject *owner, const ChartOverlay *overlay) {
        m_overlayOwner = owner;
        m_overlay = overlay;
    }

    // The picture is stale: lay out and draw again before the next paint.
    void Invalidate();
    // Called at each point of every drawing of this view, in the drawing's thread.
    void SetDrawListener(DrawListener listener) { m_drawListener = std::move(listener); }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ModelChanged() override { Invalidate(); }
    bool Placed() const override { return parentWidget() != nullptr; }
    // The widget's locale when one was set on it.
    std::optional<QLocale> OwnLocale() const override;

    std::shared_ptr<ChartModel> m_model;
    ChartLayout m_layout;
    bool m_layoutClean = false;
    QImage m_buffer;
    bool m_bufferClean = false;
    QPointer<const QObject> m_overlayOwner;
    const ChartOverlay *m_overlay = nullptr;
    bool m_grabbing = false;
    DrawListener m_drawListener;
};

} // namespace kvr::chart
