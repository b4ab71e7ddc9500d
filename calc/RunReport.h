// A run as the student hands it in, one text per value of the table of quantities: the
// inputs as the last calculation read them, every result it showed, and the models at the
// chosen time while they belong to it. The copy, the printed report and the check table
// are all written from it, so none of them can show what another does not.
#pragma once

#include "Quantities.h"
#include "RunStatus.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvr {

class RunReport {
public:
    RunReport(const RunStatus &status, const CalculationState &state, std::string_view separator);
    // The texts given, by the values of the table in their order.
    RunReport(std::vector<std::string> texts, bool determined);

    // Empty where the run did not reach the value.
    const std::string &At(const char *key, int cutter = 0, int interval = 0) const;
    const std::string &At(const QuantityValue &value) const;
    bool Determined() const { return m_determined; }

private:
    std::string Text(const QuantityValue &value, const RunStatus &status,
                     const CalculationState &state, std::string_view separator) const;

    std::vector<QuantityValue> m_values = QuantityValues();
    std::vector<std::string> m_texts;
    bool m_determined = false;
};

} // namespace kvr
