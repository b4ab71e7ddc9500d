#include "GraphInteraction.h"

#include "ChartReadout.h"
#include "TChart.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace kvr {

namespace {

// How near the pointer must come to a marker's centre or to a line, in pixels.
constexpr int kReach = 4;

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

bool NearLine(const TChartSeries &series, QPoint at) {
    for (int k = 1; k < series.Count(); ++k) {
        const QPointF a(series.XPixel(k - 1), series.YPixel(k - 1));
        const QPointF b(series.XPixel(k), series.YPixel(k));
        if (SegmentDistance(at, a, b) <= kReach)
            return true;
    }
    return false;
}

// The drawn line's value at x: linear between its neighbouring points.
bool LineValueAt(const TChartSeries &series, double x, double &y) {
    const TChartValueList &xs = series.XValues();
    const TChartValueList &ys = series.YValues();
    for (int k = 1; k < series.Count(); ++k) {
        const long double x0 = xs.ValueAt(k - 1), x1 = xs.ValueAt(k);
        if (x < x0 || x > x1)
            continue;
        const long double y0 = ys.ValueAt(k - 1), y1 = ys.ValueAt(k);
        y = static_cast<double>(x1 > x0 ? y0 + (y1 - y0) * (x - x0) / (x1 - x0) : y0);
        return true;
    }
    return false;
}

bool HasMarkers(const TChartSeries &series) {
    const auto *custom = dynamic_cast<const TCustomSeries *>(&series);
    return custom && custom->Pointer().Visible();
}

} // namespace

GraphInteraction::GraphInteraction(QWidget *window, const QList<TChart *> &charts)
    : QObject(window), m_window(window), m_charts(charts), m_menu(new QMenu(window)) {
    m_menu->setObjectName(QStringLiteral("ChartMenu"));
    auto add = [this](const char *name, const char *text, auto action) {
        QAction *item = m_menu->addAction(QString::fromUtf8(text));
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, action);
    };
    add("CopyChart", "Копіювати графік", [this] {
        if (m_menuChart)
            QGuiApplication::clipboard()->setPixmap(m_menuChart->GrabPicture());
    });
    // Shown as the results menu shows it; a focused chart takes Ctrl+C itself.
    m_menu->actions().constLast()->setShortcut(QKeySequence::Copy);
    m_menu->actions().constLast()->setShortcutContext(Qt::WidgetShortcut);
    add("CopyAllCharts", "Копіювати всі графіки",
        [this] { QGuiApplication::clipboard()->setPixmap(AllChartsPicture()); });
    add("ResetZoom", "Скинути масштаб", [this] {
        if (m_menuChart)
            m_menuChart->UndoZoom();
    });
    for (TChart *chart : m_charts)
        chart->installEventFilter(this);
}

QString GraphInteraction::ReadoutAt(TChart &chart, QPoint at) {
    chart.Picture(); // pixels of the ranges on screen
    if (!chart.PlotRect().Contains(at.x(), at.y()))
        return QString();
    // Markers lie on top of the lines, the later series on top of the earlier.
    for (bool markers : {true, false}) {
        for (int i = chart.SeriesCount() - 1; i >= 0; --i) {
            const TChartSeries &series = chart.Series(i);
            if (!series.Active() || HasMarkers(series) != markers)
                continue;
            if (markers) {
                const int index = series.Clicked(at.x(), at.y());
                if (index >= 0)
                    return SeriesReadout(series.Name(), series.XValues().ValueAt(index),
                                         series.YValues().ValueAt(index));
            } else if (NearLine(series, at)) {
                const double x = chart.Axis(HorizontalAxisOf(series)).PixelToValue(at.x());
                if (double y = 0; LineValueAt(series, x, y))
                    return SeriesReadout(series.Name(), x, y);
            }
        }
    }
    return PlotHint();
}

QPixmap GraphInteraction::AllChartsPicture() const {
    QRect area;
    for (const TChart *chart : m_charts)
        area = area.united(chart->geometry());
    const qreal ratio = m_window->devicePixelRatioF();
    QPixmap picture(area.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(m_window->palette().color(QPalette::Window));
    QPainter painter(&picture);
    for (TChart *chart : m_charts)
        painter.drawPixmap(chart->geometry().topLeft() - area.topLeft(), chart->GrabPicture());
    return picture;
}

void GraphInteraction::ShowMenu(TChart *chart, QPoint globalPosition) {
    m_menuChart = chart;
    m_menu->popup(globalPosition);
}

bool GraphInteraction::ShowReadout(TChart *chart, QEvent *event) {
    auto *help = static_cast<QHelpEvent *>(event);
    const QString text = ReadoutAt(*chart, help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, chart);
    return true;
}

bool GraphInteraction::eventFilter(QObject *watched, QEvent *event) {
    auto *chart = qobject_cast<TChart *>(watched);
    if (!chart)
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        return ShowReadout(chart, event);
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            m_rightDragged = false;
            m_rightPressedAt = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if ((mouse->buttons() & Qt::RightButton) && mouse->position().toPoint() != m_rightPressedAt)
            m_rightDragged = true;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton && !m_rightDragged)
            ShowMenu(chart, mouse->globalPosition().toPoint());
        return false;
    }
    case QEvent::ContextMenu: {
        // The mouse's menu waits for the release; the keyboard's opens at once.
        auto *menu = static_cast<QContextMenuEvent *>(event);
        if (menu->reason() != QContextMenuEvent::Mouse)
            ShowMenu(chart, chart->mapToGlobal(QPoint(chart->PlotXCenter(), chart->PlotYCenter())));
        return true;
    }
    default:
        return false;
    }
}

} // namespace kvr
