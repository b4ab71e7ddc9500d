#include "UiTestSupport.h"

#include "GraphData.h"
#include "Graphic.h"
#include "Help.h"
#include "Main.h"
#include "Result.h"
#include "Warning.h"
#include <kvrchart/ChartNavigator.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <functional>
#include <limits>

namespace kvr::test {

using namespace kvr::chart;

namespace {

std::vector<std::pair<double, double>> Points(const TChartSeries &series) {
    std::vector<std::pair<double, double>> points;
    for (int k = 0; k < series.Count(); ++k)
        points.emplace_back(series.XValues().ValueAt(k), series.YValues().ValueAt(k));
    return points;
}

void Drag(TChart &chart, Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(&chart, button, Qt::NoModifier, from);
    QTest::mouseMove(&chart, to);
    QTest::mouseRelease(&chart, button, Qt::NoModifier, to);
}

// Toward the lower right zooms in; back toward the upper left undoes the zoom.
QPoint ZoomIn(TChart &chart) {
    const ChartRect plot = chart.PlotRect();
    const QPoint from(plot.Left + 40, plot.Top + 40);
    Drag(chart, Qt::LeftButton, from, from + QPoint(100, 100));
    return from;
}

void UndoZoom(TChart &chart, QPoint from) {
    Drag(chart, Qt::LeftButton, from + QPoint(100, 100), from);
}

void Pan(TChart &chart) {
    const ChartRect plot = chart.PlotRect();
    const QPoint from(plot.Left + 60, plot.Top + 60);
    Drag(chart, Qt::RightButton, from, from + QPoint(40, -30));
}

// Five notches away from the user: the highest values leave the top of the plot.
void WheelUp(TChart &chart) {
    const QPointF at(100, 100);
    for (int notch = 0; notch < 5; ++notch) {
        QWheelEvent wheel(at, chart.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &wheel);
    }
}

class GraphicWindow : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Main().studentName->setText(QStringLiteral("Student"));
    }
    void CalculateAndDetermine() {
        AnswerModals([] {
            Main().calculate->click();
            Results().determine->click();
        });
        ASSERT_TRUE(Main().graphs->isEnabled());
    }
    void ShowGraphs() {
        Main().graphs->click();
        QApplication::processEvents();
    }
    const TCustomSeries &Series(int number) const { return Form_Graphic()->SeriesNo(number); }
    std::array<TChart *, 3> Charts() const {
        return {Find<TChart>(Form_Graphic(), "Chart1"), Find<TChart>(Form_Graphic(), "Chart2"),
                Find<TChart>(Form_Graphic(), "Chart3")};
    }
    std::array<QImage, 3> Grab() const {
        std::array<QImage, 3> pictures;
        for (std::size_t k = 0; k < 3; ++k)
            pictures[k] = Charts()[k]->grab().toImage();
        return pictures;
    }
};

// The first drawing takes the label room its own axis lengths give: nothing moves later.
TEST_F(GraphicWindow, EveryChartShowsTheSamePictureForTheSameState) {
    CalculateAndDetermine();
    ShowGraphs();
    const std::array<QImage, 3> first = Grab();
    auto expectFirst = [&](const char *after) {
        const std::array<QImage, 3> now = Grab();
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_TRUE(now[k] == first[k]) << "Chart" << k + 1 << " after " << after;
    };
    for (TChart *chart : Charts())
        chart->Invalidate();
    expectFirst("a redraw");
    for (TChart *chart : Charts()) {
        const QPoint from = ZoomIn(*chart);
        ASSERT_TRUE(ChartNavigator::Of(*chart)->Zoomed());
        chart->grab();
        UndoZoom(*chart, from);
    }
    expectFirst("a zoom and its undo");
    Form_Graphic()->close();
    ShowGraphs();
    expectFirst("closing and reopening");
    ShowGraphs();
    expectFirst("another press");
}

struct ViewChange {
    const char *name;
    std::function<void(TChart &)> change;
    bool undoAfterReopening; // a zoom whose saved view is the changed one
};

void PrintTo(const ViewChange &c, std::ostream *out) { *out << c.name; }

class ReopenedGraphs : public GraphicWindow, public ::testing::WithParamInterface<ViewChange> {};

// Whatever view the last showing left, a new showing spans its own data.
TEST_P(ReopenedGraphs, ShowEveryPointOfNewDataInsideThePlot) {
    CalculateAndDetermine();
    ShowGraphs();
    for (TChart *chart : Charts()) {
        GetParam().change(*chart);
        chart->grab();
    }
    Form_Graphic()->close();
    for (int cutter : {1, 2, 3}) // 1200, 800, 400
        Edit(SpindleSpeedSlot(cutter))->setText(QString::number(1600 - 400 * cutter));
    CalculateAndDetermine();
    ShowGraphs();
    for (TChart *chart : Charts()) {
        chart->grab();
        EXPECT_FALSE(ChartNavigator::Of(*chart)->Zoomed()); // nothing of the old view to undo
        if (GetParam().undoAfterReopening) {
            UndoZoom(*chart, {chart->PlotRect().Left + 40, chart->PlotRect().Top + 40});
            chart->grab();
        }
        const ChartRect plot = chart->PlotRect();
        for (int k = 0; k < chart->Model().SeriesCount(); ++k) {
            const TChartSeries &series = chart->Model().Series(k);
            ASSERT_GT(series.Count(), 0) << series.Name().toStdString();
            for (int i = 0; i < series.Count(); ++i) {
                const PlotFrame &frame = chart->DrawnLayout().series[std::size_t(k)];
                const QPoint at(series.XPixel(frame, i), series.YPixel(frame, i));
                EXPECT_TRUE(plot.Left <= at.x() && at.x() <= plot.Right && plot.Top <= at.y() &&
                            at.y() <= plot.Bottom)
                    << series.Name().toStdString() << " point " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GraphicWindow, ReopenedGraphs,
                         ::testing::Values(ViewChange{"zoom", [](TChart &c) { ZoomIn(c); }, false},
                                           ViewChange{"panning", Pan, false},
                                           ViewChange{"wheel", WheelUp, false},
                                           ViewChange{"wheel_then_zoom",
                                                      [](TChart &c) {
                                                          WheelUp(c);
                                                          c.grab();
                                                          ZoomIn(c);
                                                      },
                                                      true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(GraphicWindow, DefaultRunFillsEverySeries) {
    CalculateAndDetermine();
    ShowGraphs();
    for (int measured : {1, 3, 5})
        EXPECT_EQ(Series(measured).Count(), 3) << measured;
    const std::pair<int, double> lineEnds[] = {{2, 3.3}, {4, 4.9}, {6, 6.5}};
    for (auto [line, end] : lineEnds) {
        ASSERT_EQ(Series(line).Count(), 2) << line;
        EXPECT_DOUBLE_EQ(Series(line).XValues().ValueAt(1), end) << line;
    }
    for (int curve : {8, 10}) {
        ASSERT_EQ(Series(curve).Count(), 128) << curve; // s = 55 .. 182
        EXPECT_EQ(Series(curve).XValues().ValueAt(0), 55);
        EXPECT_EQ(Series(curve).XValues().ValueAt(127), 182);
    }
}

TEST_F(GraphicWindow, SpeedPointsAreSortedWithEachValueBesideItsSpeed) {
    CalculateAndDetermine();
    ShowGraphs();
    for (auto [number, values] :
         {std::pair{7, &State().wear_at_chosen_time}, {9, &State().tool_life}}) {
        const auto points = Points(Series(number));
        ASSERT_EQ(points.size(), 3u);
        for (int k = 0; k < 3; ++k) { // speeds descend from cutter 1 to 3
            EXPECT_EQ(points[k].first, State().cutting_speed[3 - k]) << number;
            EXPECT_EQ(points[k].second, (*values)[3 - k]) << number;
        }
    }
}

TEST_F(GraphicWindow, ClosingEmptiesAndShowingAgainRebuildsTheSameCharts) {
    CalculateAndDetermine();
    ShowGraphs();
    std::vector<std::vector<std::pair<double, double>>> first;
    for (int number = 1; number <= 10; ++number)
        first.push_back(Points(Series(number)));
    ShowGraphs(); // already open: nothing is added
    for (int number = 1; number <= 10; ++number)
        EXPECT_EQ(Points(Series(number)), first[number - 1]) << number;
    Form_Graphic()->close();
    for (int number = 1; number <= 10; ++number)
        EXPECT_EQ(Series(number).Count(), 0) << number;
    EXPECT_FALSE(Form_Graphic()->isVisible());
    ShowGraphs();
    for (int number = 1; number <= 10; ++number)
        EXPECT_EQ(Points(Series(number)), first[number - 1]) << number;
}

TEST_F(GraphicWindow, FirstSpeedRoundsHalfToEvenAtTheCurveEnd) {
    CalculateAndDetermine();
    for (auto [speed, end] : {std::pair{182.5, 182.0}, {183.5, 184.0}}) {
        Forge([speed](CalculationState &s) { s.cutting_speed[1] = speed; });
        ShowGraphs();
        EXPECT_EQ(Series(8).XValues().ValueAt(Series(8).Count() - 1), end) << speed;
        EXPECT_EQ(Series(10).XValues().ValueAt(Series(10).Count() - 1), end) << speed;
        Form_Graphic()->close();
    }
}

TEST_F(GraphicWindow, LegendListsTheThreeLinesOnly) {
    CalculateAndDetermine();
    ShowGraphs();
    const TChartLegend &legend = Form_Graphic()->Chart1->Model().Legend();
    ASSERT_EQ(legend.ItemCount(), 3);
    EXPECT_EQ(legend.ItemText(0), QStringLiteral("V1"));
    EXPECT_EQ(legend.ItemText(1), QStringLiteral("V2"));
    EXPECT_EQ(legend.ItemText(2), QStringLiteral("V3"));
    EXPECT_FALSE(Form_Graphic()->Chart2->Model().Legend().Visible());
    EXPECT_FALSE(Form_Graphic()->Chart3->Model().Legend().Visible());
}

// But a speed below 50: the axis starts at the ten below it, never on it.
TEST_F(GraphicWindow, AxesStartAtTheirStoredMinimumUnlessASpeedLiesBelow) {
    CalculateAndDetermine();
    for (auto [v3, speeds] : {std::pair{55.2135, 50.0}, {37.31, 30.0}, {40.0, 30.0}}) {
        SCOPED_TRACE(v3);
        Forge([v3](CalculationState &s) { s.cumulative_time[1][1] = -5, s.cutting_speed[3] = v3; });
        ShowGraphs();
        const std::tuple<TChart *, double, double> charts[] = {{Form_Graphic()->Chart1, 0, 0},
                                                               {Form_Graphic()->Chart2, speeds, 0},
                                                               {Form_Graphic()->Chart3, speeds, 0}};
        for (auto [chart, bottom, left] : charts) {
            chart->Picture();
            EXPECT_EQ(chart->DrawnLayout().Axis(AxisId::Bottom).mapping.minimum, bottom)
                << chart->objectName().toStdString();
            EXPECT_EQ(chart->DrawnLayout().Axis(AxisId::Left).mapping.minimum, left)
                << chart->objectName().toStdString();
            EXPECT_TRUE(chart->Model().BottomAxis().AutomaticMaximum());
            EXPECT_FALSE(chart->Model().BottomAxis().Automatic());
        }
        Form_Graphic()->close();
    }
}

TEST_F(GraphicWindow, PlotAreasArePaleYellowOnceShown) {
    CalculateAndDetermine();
    EXPECT_EQ(Form_Graphic()->Chart1->Model().BackWall().Brush().Style(), TBrushStyle::bsClear);
    ShowGraphs();
    for (TChart *chart : {Form_Graphic()->Chart1, Form_Graphic()->Chart2, Form_Graphic()->Chart3}) {
        EXPECT_EQ(chart->Model().BackColor(), 0xC4FFFFu);
        EXPECT_EQ(chart->Model().BackWall().Brush().Style(), TBrushStyle::bsSolid);
        const QImage &picture = chart->Picture();
        const ChartRect plot = chart->PlotRect();
        // Inside the frame, away from grid lines and series: the back wall's fill.
        EXPECT_EQ(picture.pixelColor(plot.Left + 3, plot.Bottom - 3), QColor(255, 255, 196))
            << chart->objectName().toStdString();
    }
}

// Started on a dark desktop, whose palette the application gets, every window keeps each
// colour of the light one it was designed on, and the charts draw the same pixels.
TEST_F(GraphicWindow, ADarkDesktopChangesNoColourOfTheWindows) {
    const auto colours = [] {
        std::string roles;
        for (QWidget *window :
             std::initializer_list<QWidget *>{Form_Main(), Main().studentName, Form_Result(),
                                              Form_Graphic(), Form_Help(), Form_Warning()})
            for (int group = 0; group < QPalette::NColorGroups; ++group)
                for (int role = 0; role < QPalette::NColorRoles; ++role)
                    roles += window->palette()
                                 .color(QPalette::ColorGroup(group), QPalette::ColorRole(role))
                                 .name()
                                 .toStdString();
        return roles;
    };
    CalculateAndDetermine();
    ShowGraphs();
    const std::string light = colours();
    const std::array<QImage, 3> pictures = Grab();
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a)));
    TearDown();
    SetUp();
    CalculateAndDetermine();
    ShowGraphs();
    EXPECT_EQ(colours(), light);
    EXPECT_EQ(Grab(), pictures);
    QApplication::setPalette(desktop);
}

TEST_F(GraphicWindow, HugeSpeedRangesStaySmall) {
    CalculateAndDetermine();
    for (double speed : {1e6, 1e12, 1e300}) {
        Forge([speed](CalculationState &s) { s.cutting_speed[1] = speed; });
        ShowGraphs();
        EXPECT_LE(Series(8).Count(), static_cast<int>(kCurvePointCap)) << speed;
        EXPECT_EQ(Series(8).XValues().ValueAt(Series(8).Count() - 1), speed) << speed;
        Form_Graphic()->Chart2->Picture();
        Form_Graphic()->close();
    }
}

// Pixels of `colour` in `image` that have no pixel of that colour within one pixel in `other`.
int PixelsWithoutNeighbour(const QImage &image, const QImage &other, QColor colour) {
    int lonely = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != colour)
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near =
                        other.valid(x + dx, y + dy) && other.pixelColor(x + dx, y + dy) == colour;
            lonely += !near;
        }
    return lonely;
}

TEST_F(GraphicWindow, SampledCurveLiesWithinAPixelOfTheFullCurve) {
    CalculateAndDetermine();
    Forge([](CalculationState &s) { s.cutting_speed[1] = 2e5; }); // 200 000 speeds above the cap
    ShowGraphs();
    TChart &chart = *Form_Graphic()->Chart2;
    ASSERT_EQ(Series(8).Count(), static_cast<int>(kCurvePointCap));
    // The label room follows the axis length of the previous drawing: compare second drawings.
    chart.Picture();
    chart.Invalidate();
    const QImage sampled = chart.Picture().copy();
    Form_Graphic()->SeriesNo(8).RemoveAllPoints();
    const std::vector<PlotPoint> full =
        ModelCurve(State().wear_model_coefficient, State().wear_model_exponent,
                   CurveSpeedRange(State()), std::numeric_limits<std::size_t>::max());
    ASSERT_GT(full.size(), 100000u);
    for (const PlotPoint &point : full)
        Form_Graphic()->SeriesNo(8).AddPoint(point.x, point.y);
    chart.Picture();
    chart.Invalidate();
    const QImage everyPoint = chart.Picture().copy();
    const QColor curve(170, 0, 0); // 0x0000AA
    // Both pictures show the curve: without it the comparison below would pass vacuously.
    EXPECT_GT(PixelsWithoutNeighbour(sampled, QImage(), curve), 100);
    EXPECT_GT(PixelsWithoutNeighbour(everyPoint, QImage(), curve), 100);
    EXPECT_EQ(PixelsWithoutNeighbour(sampled, everyPoint, curve), 0);
    EXPECT_EQ(PixelsWithoutNeighbour(everyPoint, sampled, curve), 0);
}

// The labels follow the user's locale: "1,5" under the decimal comma, "1.5" under C.
// A range below 1 takes a fractional label step.
TEST_F(GraphicWindow, AxisLabelsUseTheLocaleDecimalSeparator) {
    CalculateAndDetermine();
    ShowGraphs();
    TChart &chart = *Form_Graphic()->Chart1;
    chart.Model().BottomAxis().SetMinMax(1.2, 1.8);
    chart.Picture();
    QStringList texts;
    for (const AxisLabel &label : chart.DrawnLayout().Axis(AxisId::Bottom).labels)
        texts << label.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("1") + Sep() + QStringLiteral("5")))
        << texts.join(QLatin1Char(' ')).toStdString();
    EXPECT_GE(texts.filter(Sep()).size(), 3) << texts.join(QLatin1Char(' ')).toStdString();
    const QString other = Sep() == QStringLiteral(",") ? QStringLiteral(".") : QStringLiteral(",");
    for (const QString &text : texts)
        EXPECT_FALSE(text.contains(other)) << text.toStdString();
}

} // namespace
} // namespace kvr::test
