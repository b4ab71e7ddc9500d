// Every quantity the program reads, shows, saves, copies, prints or checks, one row each, in
// the order of the experiment file's keys and the check table's columns. The symbols, units
// and captions in the interface's language stand beside it in experiment/QuantityTexts.
#pragma once

#include "CalculationRun.h"
#include "InputTable.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

// How many values a quantity has: one, one per cutter, or one per cutter and interval.
enum class Shape { One, PerCutter, PerInterval };

// Where a value comes from: what the student typed, or what a press showed.
enum class Source {
    Name,       // the student's name
    Field,      // a field of the main window, its input of the same key
    ChosenTime, // the results window's running time τд
    Result,     // a result label, `first` its ResultKind
    WearLine,   // the line fitted to a cutter's wear
    Model,      // a model's coefficient or exponent, `first` its ModelPart
};

enum class ModelPart { WearCoefficient, WearExponent, LifeCoefficient, LifeExponent };

struct Quantity {
    const char *key; // the file's key; the column's name before its indices
    Shape shape;
    Source source;
    int first = 0;
};

constexpr bool IsTyped(Source source) {
    return source == Source::Name || source == Source::Field || source == Source::ChosenTime;
}

// How many quantities lead `quantities` that the student types.
constexpr std::size_t TypedCount(std::span<const Quantity> quantities) {
    std::size_t typed = 0;
    while (typed < quantities.size() && IsTyped(quantities[typed].source))
        ++typed;
    return typed;
}

inline constexpr Quantity kQuantities[] = {
    {"name", Shape::One, Source::Name},
    {"material", Shape::One, Source::Field},
    {"phi", Shape::One, Source::Field},
    {"phi1", Shape::One, Source::Field},
    {"alpha", Shape::One, Source::Field},
    {"gamma", Shape::One, Source::Field},
    {"diameter", Shape::One, Source::Field},
    {"depth_of_cut", Shape::One, Source::Field},
    {"feed", Shape::One, Source::Field},
    {"spindle_speed", Shape::PerCutter, Source::Field},
    {"allowable_flank_wear", Shape::One, Source::Field},
    {"running_time", Shape::PerInterval, Source::Field},
    {"flank_wear", Shape::PerInterval, Source::Field},
    {"chosen_time", Shape::One, Source::ChosenTime},
    {"cutting_speed", Shape::PerCutter, Source::Result, int(ResultKind::Speed)},
    {"total_time", Shape::PerCutter, Source::Result, int(ResultKind::TotalTime)},
    {"dimensional_wear", Shape::PerInterval, Source::Result, int(ResultKind::DimensionalWear)},
    {"allowable_dimensional_wear", Shape::One, Source::Result, int(ResultKind::AllowableWear)},
    {"wear_line", Shape::PerCutter, Source::WearLine},
    {"wear_model_c", Shape::One, Source::Model, int(ModelPart::WearCoefficient)},
    {"wear_model_k", Shape::One, Source::Model, int(ModelPart::WearExponent)},
    {"life_model_c", Shape::One, Source::Model, int(ModelPart::LifeCoefficient)},
    {"life_model_z", Shape::One, Source::Model, int(ModelPart::LifeExponent)},
};

// What the student typed: the experiment file holds these quantities, and only these.
inline constexpr std::span<const Quantity> kTypedQuantities{kQuantities, TypedCount(kQuantities)};

// One value of a quantity: cutter and interval from 1, 0 where the shape has none.
struct QuantityValue {
    const Quantity *quantity;
    int cutter = 0;
    int interval = 0;

    // Whether the student typed it: the experiment file holds it.
    bool Typed() const;
    // The field's slot for a typed value in a window with these inputs: an input's slot, τд's
    // after them (kChosenTimeSlot), or kNameSlot for the name.
    int Slot(std::span<const InputRow> inputs = kInputs) const;
    // "running_time_1_3"
    std::string Column() const;
};

// Every value of these quantities, cutter by cutter, interval by interval within a cutter.
std::vector<QuantityValue> QuantityValues(std::span<const Quantity> quantities = kQuantities);

// The value of a quantity by its key; the name for an unknown key.
QuantityValue ValueOf(std::string_view key, int cutter = 0, int interval = 0);
// The value a slot of QuantityValue::Slot holds.
QuantityValue TypedValueAt(int slot);

inline constexpr int kNameSlot = -1;

} // namespace kvr
