// Read-outs that no marker of the default run reaches.
#include "UiTestSupport.h"

#include "ChartReadout.h"

#include <limits>

namespace kvr::test {
namespace {

TEST(ChartReadout, AnOverflowingModelValueReadsAsADashAndOtherSeriesReadNothing) {
    const double infinite = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SeriesReadout(QStringLiteral("Series10"), 1, infinite).toStdString(),
              "Модель стійкості Tр = C·V^z\nV = 1" + Sep().toStdString() + "00 м/хв.\nT = — хв.");
    EXPECT_TRUE(SeriesReadout(QStringLiteral("Series11"), 1, 1).isEmpty());
}

} // namespace
} // namespace kvr::test
