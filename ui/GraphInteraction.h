// What the graphs window adds to its charts for a student: value read-outs under the
// mouse, a context menu to copy one or all graphs or reset the scales.
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>

class QMenu;
class TChart;

namespace kvr {

class GraphInteraction : public QObject {
    Q_OBJECT
public:
    // Watches `charts`, which lie on `window` and live as long as it does.
    GraphInteraction(QWidget *window, const QList<TChart *> &charts);

    // The read-out at a point of a chart: the measured point under it, else the line under
    // it at that abscissa, else on the empty plot the gesture hint; outside the plot none.
    static QString ReadoutAt(const TChart &chart, QPoint at);
    // The window's charts as one picture, at the window's device pixel ratio.
    QPixmap AllChartsPicture() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowMenu(TChart *chart, QPoint globalPosition);
    bool ShowReadout(TChart *chart, QEvent *event);

    QWidget *m_window;
    QList<TChart *> m_charts;
    QMenu *m_menu;
    TChart *m_menuChart = nullptr;
    // A right click opens the menu only when the mouse did not move: a drag pans.
    bool m_rightDragged = false;
    QPoint m_rightPressedAt;
};

} // namespace kvr
