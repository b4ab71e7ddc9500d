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

namespace kvr {

using namespace chart;

GraphInteraction::GraphInteraction(QWidget *window, const QList<TChart *> &charts, Readout readout)
    : QObject(window), m_window(window), m_charts(charts), m_readout(std::move(readout)),
      m_menu(new QMenu(window)) {
    m_menu->setObjectName(QStringLiteral("ChartMenu"));
    auto add = [this](const char *name, const char *text, auto action) {
        QAction *item = m_menu->addAction(QCoreApplication::translate("Menu", text));
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, action);
    };
    add("CopyChart", QT_TRANSLATE_NOOP("Menu", "Копіювати графік"), [this] {
        if (m_menuChart)
            QGuiApplication::clipboard()->setPixmap(m_menuChart->GrabPicture());
    });
    // Shown as the results menu shows it; a focused chart takes Ctrl+C itself.
    m_menu->actions().constLast()->setShortcut(QKeySequence::Copy);
    m_menu->actions().constLast()->setShortcutContext(Qt::WidgetShortcut);
    add("CopyAllCharts", QT_TRANSLATE_NOOP("Menu", "Копіювати всі графіки"),
        [this] { QGuiApplication::clipboard()->setPixmap(AllChartsPicture()); });
    add("ResetZoom", QT_TRANSLATE_NOOP("Menu", "Скинути масштаб"), [this] {
        if (m_menuChart)
            m_menuChart->UndoZoom();
    });
    for (TChart *chart : m_charts)
        chart->installEventFilter(this);
}

QString GraphInteraction::ReadoutAt(const TChart &chart, QPoint at) const {
    if (!chart.PlotRect().Contains(at.x(), at.y()))
        return QString();
    const SeriesHit hit = chart.SeriesAt(at.x(), at.y());
    return hit.series ? m_readout(*hit.series, hit.x, hit.y) : PlotHint();
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
