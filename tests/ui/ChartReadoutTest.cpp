// Read-outs that no marker of the default run reaches.
#include "UiTestSupport.h"

#include "ChartReadout.h"
#include "Experiment.h"
#include "GraphicDefinition.h"

#include <limits>

namespace kvr::test {
namespace {

TEST(ChartReadout, AnOverflowingModelValueReadsAsADash) {
    const double infinite = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SeriesReadout(Experiment(), GraphSeriesDefinition(SeriesRole::LifeModel), 1, infinite)
                  .toStdString(),
              "Модель стійкості Tр = C·V^z\nV = 1" + Sep().toStdString() + "00 м/хв.\nTр = — хв.");
}

} // namespace
} // namespace kvr::test
