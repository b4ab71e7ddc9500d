#include "Quantities.h"

#include <string_view>

namespace kvr {

static_assert(std::string_view(kTypedQuantities.back().key) == "chosen_time");

bool QuantityValue::Typed() const { return IsTyped(quantity->source); }

int QuantityValue::Slot(std::span<const InputRow> inputs) const {
    switch (quantity->source) {
    case Source::Name:
        return kNameSlot;
    case Source::Field:
        return SlotIn(inputs, quantity->key, cutter, interval);
    case Source::ChosenTime:
        return static_cast<int>(inputs.size());
    default:
        return kNameSlot - 1; // not typed
    }
}

std::string QuantityValue::Column() const {
    std::string column = quantity->key;
    for (int index : {cutter, interval})
        if (index > 0)
            column += '_' + std::to_string(index);
    return column;
}

std::vector<QuantityValue> QuantityValues(std::span<const Quantity> quantities) {
    std::vector<QuantityValue> values;
    for (const Quantity &quantity : quantities) {
        if (quantity.shape == Shape::One) {
            values.push_back({&quantity});
            continue;
        }
        for (int i = 1; i <= kCutters; ++i) {
            if (quantity.shape == Shape::PerCutter)
                values.push_back({&quantity, i});
            for (int j = 1; quantity.shape == Shape::PerInterval && j <= kIntervals; ++j)
                values.push_back({&quantity, i, j});
        }
    }
    return values;
}

QuantityValue ValueOf(std::string_view key, int cutter, int interval) {
    for (const QuantityValue &value : QuantityValues())
        if (value.quantity->key == key && value.cutter == cutter && value.interval == interval)
            return value;
    return {&kQuantities[0]};
}

QuantityValue TypedValueAt(int slot) {
    for (const QuantityValue &value : QuantityValues(kTypedQuantities))
        if (value.Slot() == slot)
            return value;
    return {&kQuantities[0]};
}

} // namespace kvr
