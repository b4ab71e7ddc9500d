#include "CalculationState.h"

namespace kvr {

CalculationState State;

} // namespace kvr
