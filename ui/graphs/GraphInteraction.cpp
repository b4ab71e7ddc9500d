#include "GraphInteraction.h"

#include "ChartReadout.h"
#include <kvrchart/ChartNavigator.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
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
            ChartNavigator::Of(*m_menuChart)->navigate(NavigationOperation::Of(Navigation::Reset));
    });
    for (TChart *chart : m_charts) {
        chart->installEventFilter(this);
        connect(ChartNavigator::Of(*chart), &ChartNavigator::ContextMenuRequested, this,
                [this, chart](QPoint at) { ShowMenu(chart, at); });
    }
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
    if (!chart || event->type() != QEvent::ToolTip)
        return false;
    return ShowReadout(chart, event);
}

} // namespace kvr
