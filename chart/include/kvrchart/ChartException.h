#pragma once

#include <stdexcept>
#include <string>

namespace kvr::chart {

// Raised by a chart property setter that refuses a value; the old value stays.
class ChartException : public std::runtime_error {
public:
    explicit ChartException(const std::string &message) : std::runtime_error(message) {}
};

class AxisException : public ChartException {
public:
    explicit AxisException(const std::string &message) : ChartException(message) {}
};

} // namespace kvr::chart
