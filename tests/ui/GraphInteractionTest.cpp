// Reading, copying and moving the graphs with the mouse and the keyboard, in the real
// graphs window of the default run.
#include "DefaultRun.h"

#include "GraphInteraction.h"
#include "Graphic.h"
#include <kvrchart/ChartNavigator.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QToolTip>

namespace kvr::test {

using namespace kvr::chart;

namespace {

TChart *ChartNo(int number) {
    return Find<TChart>(Form_Graphic(), QStringLiteral("Chart%1").arg(number).toLatin1().data());
}

const TChartSeries &SeriesNamed(TChart *chart, const char *name) {
    for (int i = 0; i < chart->Model().SeriesCount(); ++i)
        if (chart->Model().Series(i).Name() == QLatin1String(name))
            return chart->Model().Series(i);
    throw std::invalid_argument(name);
}

const PlotFrame &FrameOf(const TChart *chart, const TChartSeries &series) {
    for (int i = 0; i < chart->Model().SeriesCount(); ++i)
        if (&chart->Model().Series(i) == &series)
            return chart->DrawnLayout().series[std::size_t(i)];
    throw std::invalid_argument("no such series");
}

QString TooltipAt(TChart *chart, QPoint at) {
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, at, chart->mapToGlobal(at));
    QApplication::sendEvent(chart, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

class GraphInteractionTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ShowDefaultGraphs();
    }
};

// Where the pointer rests: on marker `index` of a point series, half-way along the first
// segment of a line series, or (series nullptr) just inside the plot's top left corner.
struct ReadoutCase {
    int chart;
    const char *series;
    int index;
    const char *text;
};

TEST_F(GraphInteractionTest, TooltipsReadOutWhatIsUnderThePointer) {
    const ReadoutCase cases[] = {
        {1, "Series1", 0,
         "Розмірне зношування, інструмент 1\nτ = 1,00 хв.\nhр = 3,36 мкм\nhз = 33 мкм"},
        {1, "Series5", 2,
         "Розмірне зношування, інструмент 3\nτ = 6,00 хв.\nhр = 2,65 мкм\nhз = 26 мкм"},
        {2, "Series7", 2, "Розмірне зношування у вибраний час τд\nV = 182,06 м/хв.\nhр = 4,45 мкм"},
        {3, "Series9", 2, "Період стійкості інструмента\nV = 182,06 м/хв.\nTр = 4,27 хв."},
        {3, "Series9", 0, "Період стійкості інструмента\nV = 55,21 м/хв.\nTр = 14,40 хв."},
        // Between two points a line reads its value there: 0,476·3,21 + 1,359 = 2,89.
        {1, "Series4", -1, "Лінія зношування V2, інструмент 2\nτ = 3,21 хв.\nhр = 2,89 мкм"},
        {2, "Series8", -1, "Модель зношування hр = C·V^k\nV = 55,52 м/хв.\nhр = 1,84 мкм"},
        {1, "Series2", -1, "Лінія зношування V1, інструмент 1\nτ = 2,15 хв.\nhр = 4,02 мкм"},
        {1, "Series3", 1,
         "Розмірне зношування, інструмент 2\nτ = 3,00 хв.\nhр = 2,65 мкм\nhз = 26 мкм"},
        {1, "Series6", -1, "Лінія зношування V3, інструмент 3\nτ = 4,25 хв.\nhр = 2,24 мкм"},
        {3, "Series10", -1, "Модель стійкості Tр = C·V^z\nV = 55,61 м/хв.\nTр = 14,80 хв."},
        {3, nullptr, 0,
         "Збільшити: протягніть лівою кнопкою вправо-вниз або натисніть +.\n"
         "Зменшити: натисніть -.\nСкасувати збільшення: протягніть вліво-вгору, Home або Esc.\n"
         "Зсунути: протягніть правою кнопкою або стрілками.\n"
         "Прокрутити по вертикалі: коліщатко миші.\nКопіювати: права кнопка без руху або Ctrl+C."},
    };
    for (const ReadoutCase &c : cases) {
        TChart *chart = ChartNo(c.chart);
        QPoint at(chart->PlotRect().Left + 3, chart->PlotRect().Top + 3);
        if (c.series) {
            const TChartSeries &series = SeriesNamed(chart, c.series);
            const int k = std::max(c.index, 0);
            const PlotFrame &frame = FrameOf(chart, series);
            at = QPoint(series.XPixel(frame, k), series.YPixel(frame, k));
            if (c.index < 0)
                at = (at + QPoint(series.XPixel(frame, 1), series.YPixel(frame, 1))) / 2;
        }
        const std::string text = TooltipAt(chart, at).toStdString();
        EXPECT_EQ(text, ShownText(c.text)) << c.chart << " " << (c.series ? c.series : "plot");
    }
    EXPECT_TRUE(Form_Graphic()->Interaction().ReadoutAt(*ChartNo(1), QPoint(2, 2)).isEmpty());
}

QImage Grab(TChart *chart) { return chart->grab().toImage(); }

// A first drawing sizes the value labels' room by the label step of no earlier drawing;
// from the second drawing on, the picture of the same ranges stays the same.
void Settle(TChart *chart) {
    chart->Invalidate();
    chart->Picture();
}

QMenu *ChartMenu() { return Find<QMenu>(Form_Graphic(), "ChartMenu"); }

TEST_F(GraphInteractionTest, ARightClickOpensTheMenuAndARightDragPans) {
    TChart *chart = ChartNo(2);
    const ChartRect plot = chart->PlotRect();
    const QPoint centre((plot.Left + plot.Right) / 2, (plot.Top + plot.Bottom) / 2);
    // The mouse's menu opens where it was clicked, the keyboard's over the plot's centre.
    std::vector<QPoint> asked;
    const QObject scope;
    QObject::connect(ChartNavigator::Of(*chart), &ChartNavigator::ContextMenuRequested, &scope,
                     [&asked](QPoint at) { asked.push_back(at); });
    // A move that stays on the pressed pixel, as a fine mouse's does, keeps it a click.
    QTest::mousePress(chart, Qt::RightButton, Qt::NoModifier, centre + QPoint(7, 5));
    QTest::mouseMove(chart, centre + QPoint(7, 5));
    QTest::mouseRelease(chart, Qt::RightButton, Qt::NoModifier, centre + QPoint(7, 5));
    EXPECT_TRUE(ChartMenu()->isVisible());
    ChartMenu()->close();
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1),
                          chart->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(chart, &key);
    EXPECT_TRUE(key.isAccepted()) << "the window behind the chart would be asked for its menu too";
    EXPECT_TRUE(ChartMenu()->isVisible());
    ChartMenu()->close();
    EXPECT_EQ(asked,
              (std::vector{chart->mapToGlobal(centre + QPoint(7, 5)), chart->mapToGlobal(centre)}));
    const double minimum = chart->Model().BottomAxis().Minimum();
    QTest::mousePress(chart, Qt::RightButton, Qt::NoModifier, centre);
    QTest::mouseMove(chart, centre + QPoint(30, 0));
    QTest::mouseRelease(chart, Qt::RightButton, Qt::NoModifier, centre + QPoint(30, 0));
    EXPECT_FALSE(ChartMenu()->isVisible());
    EXPECT_NE(chart->Model().BottomAxis().Minimum(), minimum);
}

// Each menu entry, chosen on Chart2 after zooming in with "+".
struct MenuCase {
    const char *action;
    QSize clipboardSize; // empty: the entry copies nothing
    bool restoresPicture;
    const char *shortcut;
};

TEST_F(GraphInteractionTest, MenuEntriesCopyOneOrAllChartsOrResetTheScales) {
    const MenuCase cases[] = {
        {"CopyChart", QSize(417, 377), false, "Ctrl+C"},
        {"CopyAllCharts", QSize(880 + 417 - 8, 377), false, ""},
        {"ResetZoom", QSize(0, 0), true, ""},
    };
    TChart *chart = ChartNo(2);
    Settle(chart);
    for (const MenuCase &c : cases) {
        const QImage before = Grab(chart);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(chart, Qt::Key_Plus);
        ASSERT_NE(Grab(chart), before);
        QTest::mouseClick(chart, Qt::RightButton, Qt::NoModifier,
                          chart->DrawnLayout().PlotCenter());
        EXPECT_EQ(Find<QAction>(ChartMenu(), c.action)->shortcut().toString(), c.shortcut);
        Find<QAction>(ChartMenu(), c.action)->trigger();
        ChartMenu()->close();
        const QImage copied = QGuiApplication::clipboard()->image();
        EXPECT_EQ(copied.size(), c.clipboardSize) << c.action;
        if (c.action == std::string("CopyChart")) {
            EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
                      chart->GrabPicture().toImage().convertToFormat(QImage::Format_RGB32));
        } else if (c.action == std::string("CopyAllCharts")) {
            // The three grabs side by side as the window places them (x 8, 456, 880), on
            // the window's colour.
            QImage sideBySide(c.clipboardSize, QImage::Format_RGB32);
            sideBySide.fill(Form_Graphic()->palette().color(QPalette::Window));
            QPainter painter(&sideBySide);
            const int left[] = {0, 456 - 8, 880 - 8};
            for (int n : {1, 2, 3})
                painter.drawPixmap(left[n - 1], 0, ChartNo(n)->GrabPicture());
            painter.end();
            EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), sideBySide);
        }
        EXPECT_EQ(Grab(chart) == before, c.restoresPicture) << c.action;
        QTest::keyClick(chart, Qt::Key_Home);
    }
}

// What the screen holds once the posted repaints are done.
QImage OnScreen(TChart *chart) {
    QCoreApplication::processEvents();
    const QPoint at = chart->mapTo(chart->window(), QPoint(0, 0));
    return chart->screen()
        ->grabWindow(chart->window()->winId(), at.x(), at.y(), chart->width(), chart->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

TEST_F(GraphInteractionTest, AFocusedChartFollowsTheKeysAndFramesItselfOutsideThePlot) {
    TChart *chart = ChartNo(1);
    Form_Graphic()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form_Graphic()));
    chart->clearFocus();
    Settle(chart);
    const QImage unfocused = Grab(chart);
    chart->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(chart->hasFocus());
    const QImage focused = Grab(chart);
    QRect frame;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                frame |= QRect(x, y, 1, 1);
                EXPECT_FALSE(chart->PlotRect().Contains(x, y)) << x << "," << y;
            }
    // Two pixels in from every edge of the chart.
    EXPECT_EQ(frame, QRect(QPoint(2, 2), QPoint(focused.width() - 3, focused.height() - 3)));
    QTest::keyClick(chart, Qt::Key_Plus);
    EXPECT_NE(Grab(chart), focused);
    QTest::keyClick(chart, Qt::Key_Home);
    EXPECT_EQ(Grab(chart), focused);
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(chart, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              unfocused.convertToFormat(QImage::Format_RGB32));

    // Only the keyboard brings the frame; a window or a menu giving the focus back keeps it as
    // it was, and the screen follows at once.
    const std::pair<Qt::FocusReason, bool> reasons[] = {{Qt::TabFocusReason, true},
                                                        {Qt::BacktabFocusReason, true},
                                                        {Qt::ShortcutFocusReason, true},
                                                        {Qt::MouseFocusReason, false},
                                                        {Qt::OtherFocusReason, false}};
    for (auto [reason, framed] : reasons) {
        chart->clearFocus();
        EXPECT_EQ(OnScreen(chart), unfocused.convertToFormat(QImage::Format_RGB32)) << reason;
        chart->setFocus(reason);
        for (Qt::FocusReason kept : {reason, Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
            QFocusEvent back(QEvent::FocusIn, kept);
            QApplication::sendEvent(chart, &back);
            EXPECT_EQ(OnScreen(chart),
                      (framed ? focused : unfocused).convertToFormat(QImage::Format_RGB32))
                << reason << " " << kept;
        }
        // Any key the chart takes brings the frame; Tab is not one, and leaves.
        QTest::keyClick(chart, Qt::Key_Home);
        EXPECT_EQ(OnScreen(chart), focused.convertToFormat(QImage::Format_RGB32)) << reason;
        QTest::keyClick(chart, Qt::Key_Tab);
        EXPECT_FALSE(chart->hasFocus()) << reason;
    }
}

// The screen follows a zoom drag's rectangle as the pointer moves, and loses it on release.
TEST_F(GraphInteractionTest, TheScreenFollowsAZoomDrag) {
    TChart *chart = ChartNo(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form_Graphic()));
    const QImage before = OnScreen(chart);
    const QPoint from(chart->PlotRect().Left + 40, chart->PlotRect().Top + 40);
    QTest::mousePress(chart, Qt::LeftButton, Qt::NoModifier, from);
    for (QPoint to : {from + QPoint(60, 50), from + QPoint(10, 8)}) {
        QTest::mouseMove(chart, to);
        EXPECT_EQ(OnScreen(chart), Grab(chart).convertToFormat(QImage::Format_RGB32));
        EXPECT_NE(OnScreen(chart), before);
    }
    QTest::mouseRelease(chart, Qt::LeftButton, Qt::NoModifier, from + QPoint(10, 8));
    EXPECT_EQ(OnScreen(chart), before);
}

// Run by CTest only with QT_SCALE_FACTOR=2, which must give a twofold screen.
TEST_F(GraphInteractionTest, HighDensityGrabsAndCopiesAreTwiceTheSize) {
    ASSERT_EQ(Form_Graphic()->devicePixelRatioF(), 2);
    TChart *chart = ChartNo(2);
    EXPECT_EQ(chart->grab().toImage().size(), QSize(834, 754));
    QTest::mouseClick(chart, Qt::RightButton, Qt::NoModifier, chart->DrawnLayout().PlotCenter());
    Find<QAction>(ChartMenu(), "CopyChart")->trigger();
    ChartMenu()->close();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(834, 754));
}

} // namespace
} // namespace kvr::test
