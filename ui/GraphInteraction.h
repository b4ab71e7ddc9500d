// What the graphs window adds to its charts for a student: value read-outs under the
// mouse, a context menu to copy one or all graphs or reset the scales.
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>

class QMenu;

namespace kvr::chart {
class TChart;
} // namespace kvr::chart

namespace kvr {

class GraphInteraction : public QObject {
    Q_OBJECT
public:
    // Watches `charts`, which lie on `window` and live as long as it does.
    GraphInteraction(QWidget *window, const QList<chart::TChart *> &charts);

    // The read-out at a point of a chart: the measured point under it, else the line under
    // it at that abscissa, else on the empty plot the gesture hint; outside the plot none.
    static QString ReadoutAt(const chart::TChart &chart, QPoint at);
    // The window's charts as one picture, at the window's device pixel ratio.
    QPixmap AllChartsPicture() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowMenu(chart::TChart *chart, QPoint globalPosition);
    bool ShowReadout(chart::TChart *chart, QEvent *event);

    QWidget *m_window;
    QList<chart::TChart *> m_charts;
    QMenu *m_menu;
    chart::TChart *m_menuChart = nullptr;
    // A right click opens the menu only when the mouse did not move: a drag pans.
    bool m_rightDragged = false;
    QPoint m_rightPressedAt;
};

} // namespace kvr
