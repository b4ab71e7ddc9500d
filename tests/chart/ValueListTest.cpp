#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct OrderCase {
    const char *name;
    TChartListOrder order;
    std::vector<double> added;
    std::vector<int> indexes;
    std::vector<double> stored;
};

void PrintTo(const OrderCase &c, std::ostream *out) { *out << c.name; }

class OrderedInsertion : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderedInsertion, PutsEachValueWhereTheOrderDemands) {
    const OrderCase &c = GetParam();
    TChartValueList list(QStringLiteral("X"), c.order);
    std::vector<int> indexes;
    for (double v : c.added)
        indexes.push_back(list.AppendOrdered(v));
    EXPECT_EQ(indexes, c.indexes);
    std::vector<double> stored;
    for (int i = 0; i < list.Count(); ++i)
        stored.push_back(list.ValueAt(i));
    EXPECT_EQ(stored, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    ValueList, OrderedInsertion,
    ::testing::Values(
        OrderCase{"ascending_3_1_2", TChartListOrder::loAscending, {3, 1, 2}, {0, 0, 1}, {1, 2, 3}},
        OrderCase{"ascending_equal_goes_last",
                  TChartListOrder::loAscending,
                  {2, 2, 1},
                  {0, 1, 0},
                  {1, 2, 2}},
        OrderCase{"ascending_appends_in_order",
                  TChartListOrder::loAscending,
                  {1, 2, 3},
                  {0, 1, 2},
                  {1, 2, 3}},
        OrderCase{
            "descending_1_3_2", TChartListOrder::loDescending, {1, 3, 2}, {0, 0, 1}, {3, 2, 1}},
        OrderCase{"descending_equal_goes_last",
                  TChartListOrder::loDescending,
                  {2, 2, 3},
                  {0, 1, 0},
                  {3, 2, 2}},
        OrderCase{"none_keeps_arrival", TChartListOrder::loNone, {3, 1, 2}, {0, 1, 2}, {3, 1, 2}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ValueList, StatisticsOfAnEmptyListAreZero) {
    TChartValueList list(QStringLiteral("Y"), TChartListOrder::loNone);
    EXPECT_EQ(list.HighestValue(), 0.0);
    EXPECT_EQ(list.LowestValue(), 0.0);
    EXPECT_EQ(list.SumOfValues(), 0.0);
    EXPECT_EQ(list.SumOfMagnitudes(), 0.0);
}

TEST(ValueList, StatisticsFollowEveryChangeAndTheMultiplier) {
    TChartValueList list(QStringLiteral("Y"), TChartListOrder::loNone);
    for (double v : {2.0, -5.0, 4.0})
        list.AppendOrdered(v);
    EXPECT_EQ(list.HighestValue(), 4.0);
    EXPECT_EQ(list.LowestValue(), -5.0);
    EXPECT_EQ(list.SumOfValues(), 1.0);
    EXPECT_EQ(list.SumOfMagnitudes(), 11.0);
    list.AppendOrdered(9.0);
    EXPECT_EQ(list.HighestValue(), 9.0);
    list.SetMultiplier(2.0);
    EXPECT_EQ(list.ValueAt(0), 4.0);
    EXPECT_EQ(list.LowestValue(), -10.0);
    list.RemoveAllValues();
    EXPECT_EQ(list.HighestValue(), 0.0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ValueList, NonFiniteValuesStayOutOfTheStatistics) {
    TChartValueList list(QStringLiteral("Y"), TChartListOrder::loNone);
    list.AppendOrdered(std::numeric_limits<double>::quiet_NaN());
    list.AppendOrdered(3.0);
    list.AppendOrdered(std::numeric_limits<double>::infinity());
    list.AppendOrdered(-1.0);
    EXPECT_EQ(list.HighestValue(), 3.0);
    EXPECT_EQ(list.LowestValue(), -1.0);
    EXPECT_EQ(list.SumOfValues(), 2.0);
}

TEST(ValueList, MultiplierDoesNotTakePartInOrdering) {
    TChartValueList list(QStringLiteral("X"), TChartListOrder::loAscending);
    list.SetMultiplier(-1.0);
    list.AppendOrdered(1.0);
    EXPECT_EQ(list.AppendOrdered(2.0), 1);
    EXPECT_EQ(list.ValueAt(1), -2.0);
}

TEST(Series, AddPointKeepsEachYBesideItsX) {
    auto chart = MakeGraphChart();
    auto &series = chart->Model().AddSeries<TPointSeries>(QStringLiteral("Series7"));
    EXPECT_EQ(series.AddPoint(3, 30), 0);
    EXPECT_EQ(series.AddPoint(1, 10), 0);
    EXPECT_EQ(series.AddPoint(2, 20), 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(series.YValues().ValueAt(i), 10.0 * series.XValues().ValueAt(i));
}

TEST(Series, PointColoursAndLabelsFollowTheirPoints) {
    auto chart = MakeGraphChart();
    auto &series = chart->Model().AddSeries<TPointSeries>(QStringLiteral("S"));
    series.SetSeriesColor(clRed);
    series.AddPoint(5, 0, QStringLiteral("five"), 0x123456);
    series.AddPoint(2, 0);
    series.AddPoint(1, 0, QStringLiteral("one"), clBlue);
    series.AddPoint(3, 0, QString(), clNone);
    ASSERT_EQ(series.Count(), 4);
    EXPECT_EQ(series.PointColor(0), clBlue);
    EXPECT_EQ(series.PointColor(1), clRed);
    EXPECT_EQ(series.PointColor(2), clNone);
    EXPECT_EQ(series.PointColor(3), 0x123456u);
    EXPECT_EQ(series.PointLabel(3), QStringLiteral("five"));
    EXPECT_EQ(series.PointLabel(0), QStringLiteral("one"));
    EXPECT_TRUE(series.PointLabel(1).isEmpty());
    series.RemoveAllPoints();
    EXPECT_EQ(series.Count(), 0);
    EXPECT_EQ(series.PointColor(0), clRed);
    EXPECT_EQ(series.HighestX(), 0.0);
}

TEST(Series, ColorEachPointTakesPaletteColoursForPointsWithoutTheirOwn) {
    auto chart = MakeGraphChart();
    auto &series = chart->Model().AddSeries<TPointSeries>(QStringLiteral("S"));
    series.SetSeriesColor(clRed);
    series.SetColorEachPoint(true);
    series.AddPoint(1, 0);
    series.AddPoint(2, 0);
    series.AddPoint(3, 0, QString(), clBlue);
    EXPECT_NE(series.PointColor(0), series.PointColor(1));
    EXPECT_EQ(series.PointColor(2), clBlue);
    EXPECT_EQ(series.PointColor(3), clRed);
}

// One point at a time and in bulk: a refused point leaves the lists as they were, each
// accepted one is announced at its sorted index.
TEST(Series, ListenersSeeEveryPointAndMayRefuseOne) {
    auto chart = MakeGraphChart();
    auto &series = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    QStringList heard;
    QObject::connect(&series, &TChartSeries::BeforeAdd, &series,
                     [](double x, double, bool *accepted) { *accepted = x > 0; });
    QObject::connect(&series, &TChartSeries::AfterAdd, &series,
                     [&](int index) { heard << QString::number(index); });
    QObject::connect(&series, &TChartSeries::ValuesCleared, &series, [&] { heard << "clear"; });
    EXPECT_EQ(series.AddPoint(-1, 5), -1);
    EXPECT_EQ(series.Count(), 0);
    EXPECT_EQ(series.AddPoint(3, 5), 0);
    const double xs[] = {4, -2, 1}, ys[] = {7, 8, 9};
    series.AddPoints(xs, ys);
    const auto stored = series.YValues().StoredValues();
    EXPECT_EQ(std::vector<double>(stored.begin(), stored.end()), (std::vector<double>{9, 5, 7}));
    series.RemoveAllPoints();
    EXPECT_EQ(heard.join(' '), QStringLiteral("0 1 0 clear"));
}

TEST(Series, EmptyLabelsAndDefaultColoursCostNothingPerPoint) {
    auto chart = MakeGraphChart();
    auto &series = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    constexpr int kPoints = 100000;
    for (int i = 0; i < kPoints; ++i)
        series.AddPoint(i, i);
    EXPECT_LE(double(series.CapacityBytes()) / kPoints, 24.0);
}

struct BulkCase {
    const char *name;
    TChartListOrder order;
    std::vector<double> before; // added one by one first
    std::vector<double> xs;
    bool coloured; // a point with its own colour comes first
};

void PrintTo(const BulkCase &c, std::ostream *out) { *out << c.name; }

class BulkAdding : public ::testing::TestWithParam<BulkCase> {};

std::vector<double> Stored(const TChartValueList &list) {
    return {list.StoredValues().begin(), list.StoredValues().end()};
}

TEST_P(BulkAdding, EqualsAddingOneByOne) {
    const BulkCase &c = GetParam();
    auto chart = MakeGraphChart();
    TChartSeries *series[2];
    for (auto &s : series) {
        s = &chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
        s->XValues().SetOrder(c.order);
        if (c.coloured)
            s->AddPoint(0.5, -1, QString(), clBlue);
        for (double x : c.before)
            s->AddPoint(x, -x);
    }
    std::vector<double> ys;
    for (std::size_t i = 0; i < c.xs.size(); ++i)
        ys.push_back(double(i));
    series[0]->AddPoints(c.xs, ys);
    for (std::size_t i = 0; i < c.xs.size(); ++i)
        series[1]->AddPoint(c.xs[i], ys[i]);
    // NaN == NaN is false: compare the bits.
    const auto bits = [](const std::vector<double> &v) {
        return QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size() * 8));
    };
    EXPECT_EQ(bits(Stored(series[0]->XValues())), bits(Stored(series[1]->XValues())));
    EXPECT_EQ(bits(Stored(series[0]->YValues())), bits(Stored(series[1]->YValues())));
    for (int i = 0; i < series[1]->Count(); ++i)
        EXPECT_EQ(series[0]->PointColor(i), series[1]->PointColor(i)) << i;
    EXPECT_EQ(series[0]->HighestY(), series[1]->HighestY());
    EXPECT_EQ(series[0]->LowestX(), series[1]->LowestX());
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Series, BulkAdding,
    ::testing::Values(
        BulkCase{"ascending", TChartListOrder::loAscending, {}, {1, 2, 2, 3, 7}, false},
        BulkCase{"after_points", TChartListOrder::loAscending, {0, 1}, {1, 2, 3}, false},
        BulkCase{"out_of_order_tail", TChartListOrder::loAscending, {5}, {6, 7, 1, 8, 2}, false},
        BulkCase{"first_below_the_last", TChartListOrder::loAscending, {5}, {4, 6}, false},
        BulkCase{
            "nan_lets_the_next_through", TChartListOrder::loAscending, {}, {2, kNaN, 1, 0}, false},
        BulkCase{"descending", TChartListOrder::loDescending, {9}, {8, 8, 3, 4}, false},
        BulkCase{"unordered", TChartListOrder::loNone, {4}, {3, 9, 1}, false},
        BulkCase{"with_own_colours", TChartListOrder::loAscending, {1}, {2, 3, 0, 4}, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Series, BulkAddedPointsCostAtMost24BytesEach) {
    auto chart = MakeGraphChart();
    auto &series = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    std::vector<double> xs(100000);
    for (std::size_t i = 0; i < xs.size(); ++i)
        xs[i] = double(i);
    for (int chunk = 0; chunk < 4; ++chunk) {
        series.AddPoints(xs, xs);
        for (double &x : xs)
            x += double(xs.size());
    }
    EXPECT_EQ(series.Count(), 400000);
    EXPECT_LE(double(series.CapacityBytes()) / series.Count(), 24.0);
}

TEST(Series, AddingPointsRepaintsOnlyActiveSeries) {
    auto chart = MakeGraphChart();
    auto &series = chart->Model().AddSeries<TLineSeries>(QStringLiteral("S"));
    chart->Picture();
    series.SetActive(false);
    chart->Picture();
    series.AddPoint(1, 1);
    EXPECT_TRUE(chart->BufferClean());
    series.SetActive(true);
    EXPECT_FALSE(chart->BufferClean());
}

} // namespace
