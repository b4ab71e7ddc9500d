// What the graphs window adds to its charts for a student: value read-outs under the
// mouse, a context menu to copy one or all graphs or reset the scales.
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>

#include <functional>

class QMenu;

namespace kvr::chart {
class TChart;
class TChartSeries;
} // namespace kvr::chart

namespace kvr {

class GraphInteraction : public QObject {
    Q_OBJECT
public:
    // What a point of a series reads out.
    using Readout = std::function<QString(const chart::TChartSeries &, double x, double y)>;

    // Watches `charts`, which lie on `window`, live as long as it does and have each a
    // navigator.
    GraphInteraction(QWidget *window, const QList<chart::TChart *> &charts, Readout readout);

    // The read-out at a point of a chart: the measured point under it, else the line under
    // it at that abscissa, else on the empty plot the gesture hint; outside the plot none.
    QString ReadoutAt(const chart::TChart &chart, QPoint at) const;
    // The window's charts as one picture, at the window's device pixel ratio.
    QPixmap AllChartsPicture() const;
    // The charts' context menu, which others may add to.
    QMenu *Menu() const { return m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowMenu(chart::TChart *chart, QPoint globalPosition);
    bool ShowReadout(chart::TChart *chart, QEvent *event);

    QWidget *m_window;
    QList<chart::TChart *> m_charts;
    Readout m_readout;
    QMenu *m_menu;
    chart::TChart *m_menuChart = nullptr;
};

} // namespace kvr
