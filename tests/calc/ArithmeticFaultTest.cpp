#include "ArithmeticFault.h"
#include "DefaultExperiment.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

using kvr::test::FaultOf;

TEST(ArithmeticFault, DivisionNamesZeroOverZeroInvalid) {
    EXPECT_EQ(FaultOf([] { kvr::Divide(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { kvr::Divide(-0.0L, 0); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { kvr::Divide(1, 0); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { kvr::Divide(-1e-300L, -0.0L); }), "Floating point division by zero");
}

TEST(ArithmeticFault, DivisionBeyondExtendedRangeOverflows) {
    EXPECT_EQ(FaultOf([] { kvr::Divide(1e4000L, 1e-4000L); }), "Floating point overflow");
}

TEST(ArithmeticFault, LogarithmOfZeroIsDivisionOfNegativeInvalid) {
    EXPECT_EQ(FaultOf([] { kvr::NaturalLog(0); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { kvr::NaturalLog(-1); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { kvr::NaturalLog(-5e-324L); }), "Invalid floating point operation");
}

TEST(ArithmeticFault, StoringBeyondDoubleRangeOverflows) {
    EXPECT_EQ(FaultOf([] { kvr::StoreDouble(1e309L); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { kvr::StoreDouble(-1e309L); }), "Floating point overflow");
    // DBL_MAX + 2^970 is halfway to the next binade; ties go to the even side, infinity.
    const long double halfUlp = std::ldexp(1.0L, 970);
    EXPECT_EQ(FaultOf([&] { kvr::StoreDouble(DBL_MAX + halfUlp); }), "Floating point overflow");
    EXPECT_EQ(kvr::StoreDouble(DBL_MAX + halfUlp / 2), DBL_MAX);
    EXPECT_EQ(kvr::StoreDouble(1e-400L), 0.0); // underflow is no fault
}

} // namespace
