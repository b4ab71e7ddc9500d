// The main window's inputs, one row each: what the student enters, where the calculation
// reads it, and what the worked example starts with. Everything else that speaks of an input
// (its slot, its reading order, its default, its list) derives from this table; its symbol,
// unit and captions stand beside it in experiment/QuantityTexts under the same key, and its
// control in the main window's layout under the same slot.
#pragma once

#include "CalculationValues.h"
#include "Translatable.h"

#include <array>
#include <span>
#include <string_view>

namespace kvr {

enum class InputKind {
    AngleList, // a list of degrees, stored in radians
    List,      // a list that only has to have a selection
    Number,    // a typed number, commas turned into points
};

namespace fields {
template <auto Member> double &Direct(CalculationValues &s) { return s.*Member; }
template <int I> double &SpindleSpeed(CalculationValues &s) { return s.spindle_speed[I]; }
template <int I, int J> double &RunningTime(CalculationValues &s) { return s.running_time[I][J]; }
template <int I, int J> double &FlankWear(CalculationValues &s) { return s.flank_wear[I][J]; }
} // namespace fields

inline constexpr const char *kAngles[] = {"30", "45", "60"};
inline constexpr const char *kClearanceAngles[] = {"3", "5", "8"};
inline constexpr const char *kRakeAngles[] = {"-15", "0", "10"};
// The files hold the Ukrainian names whatever the interface shows.
inline constexpr const char *kMaterials[] = {
    QT_TRANSLATE_NOOP("Material", "сталь 10"),     QT_TRANSLATE_NOOP("Material", "сталь 20"),
    QT_TRANSLATE_NOOP("Material", "сталь 25"),     QT_TRANSLATE_NOOP("Material", "сталь 30"),
    QT_TRANSLATE_NOOP("Material", "сталь 35"),     QT_TRANSLATE_NOOP("Material", "сталь 40"),
    QT_TRANSLATE_NOOP("Material", "сталь 45"),     QT_TRANSLATE_NOOP("Material", "сталь 50"),
    QT_TRANSLATE_NOOP("Material", "сталь 55"),     QT_TRANSLATE_NOOP("Material", "сталь 60"),
    QT_TRANSLATE_NOOP("Material", "сталь 20Г"),    QT_TRANSLATE_NOOP("Material", "сталь 30Г"),
    QT_TRANSLATE_NOOP("Material", "сталь 50Г"),    QT_TRANSLATE_NOOP("Material", "сталь 20Х"),
    QT_TRANSLATE_NOOP("Material", "сталь 40Х"),    QT_TRANSLATE_NOOP("Material", "сталь 45Х"),
    QT_TRANSLATE_NOOP("Material", "сталь 30ХМ"),   QT_TRANSLATE_NOOP("Material", "сталь 35ХМ"),
    QT_TRANSLATE_NOOP("Material", "сталь 40ХН"),   QT_TRANSLATE_NOOP("Material", "сталь 50ХН"),
    QT_TRANSLATE_NOOP("Material", "сталь 40ХФА"),  QT_TRANSLATE_NOOP("Material", "сталь 38ХМЮА"),
    QT_TRANSLATE_NOOP("Material", "сталь 12ХН3А"), QT_TRANSLATE_NOOP("Material", "сталь 20ХН3А"),
    QT_TRANSLATE_NOOP("Material", "сталь 30ХН3А"), QT_TRANSLATE_NOOP("Material", "сталь 40ХНМА"),
    QT_TRANSLATE_NOOP("Material", "сталь 30ХГСА"), QT_TRANSLATE_NOOP("Material", "сталь 12Х18Н9Т"),
};

struct InputRow {
    const char *key; // the quantity's key in the table of quantities and the file
    int cutter;      // 1..3 for a value per cutter, else 0
    int interval;    // 1..3 for a value per interval, else 0
    InputKind kind;
    double &(*field)(CalculationValues &); // none for a list that only has to have a selection
    // The worked example's text. The texts with a decimal sign are translated with the
    // controls, so that an English window starts with the point its language writes.
    const char *defaultText;
    std::span<const char *const> items = {}; // a list's items; none for a number
    // The experiment file's version that first holds the input, and its text in an older file.
    int since = 1;
    const char *olderDefault = nullptr;
};

// By slot, the index of input_error_flags and of the texts of a run.
inline constexpr auto kInputs = std::to_array<InputRow>({
    {"phi", 0, 0, InputKind::AngleList, &fields::Direct<&CalculationValues::phi>, "45", kAngles},
    {"phi1", 0, 0, InputKind::AngleList, &fields::Direct<&CalculationValues::phi1>, "45", kAngles},
    {"alpha", 0, 0, InputKind::AngleList, &fields::Direct<&CalculationValues::alpha>, "8",
     kClearanceAngles},
    {"gamma", 0, 0, InputKind::AngleList, &fields::Direct<&CalculationValues::gamma>, "10",
     kRakeAngles},
    {"material", 0, 0, InputKind::List, nullptr, "сталь 12Х18Н9Т", kMaterials},
    {"diameter", 0, 0, InputKind::Number, &fields::Direct<&CalculationValues::diameter>, "95"},
    {"depth_of_cut", 0, 0, InputKind::Number, &fields::Direct<&CalculationValues::depth_of_cut>,
     QT_TRANSLATE_NOOP("Form", "0,25")},
    {"feed", 0, 0, InputKind::Number, &fields::Direct<&CalculationValues::feed>,
     QT_TRANSLATE_NOOP("Form", "0,1")},
    {"spindle_speed", 1, 0, InputKind::Number, &fields::SpindleSpeed<1>, "610"},
    {"spindle_speed", 2, 0, InputKind::Number, &fields::SpindleSpeed<2>, "380"},
    {"spindle_speed", 3, 0, InputKind::Number, &fields::SpindleSpeed<3>, "185"},
    {"running_time", 1, 1, InputKind::Number, &fields::RunningTime<1, 1>, "1"},
    {"running_time", 1, 2, InputKind::Number, &fields::RunningTime<1, 2>, "1"},
    {"running_time", 1, 3, InputKind::Number, &fields::RunningTime<1, 3>, "1"},
    {"running_time", 2, 1, InputKind::Number, &fields::RunningTime<2, 1>,
     QT_TRANSLATE_NOOP("Form", "1,5")},
    {"running_time", 2, 2, InputKind::Number, &fields::RunningTime<2, 2>, "1,5"},
    {"running_time", 2, 3, InputKind::Number, &fields::RunningTime<2, 3>, "1,5"},
    {"running_time", 3, 1, InputKind::Number, &fields::RunningTime<3, 1>, "2"},
    {"running_time", 3, 2, InputKind::Number, &fields::RunningTime<3, 2>, "2"},
    {"running_time", 3, 3, InputKind::Number, &fields::RunningTime<3, 3>, "2"},
    {"flank_wear", 1, 1, InputKind::Number, &fields::FlankWear<1, 1>, "33"},
    {"flank_wear", 1, 2, InputKind::Number, &fields::FlankWear<1, 2>, "40"},
    {"flank_wear", 1, 3, InputKind::Number, &fields::FlankWear<1, 3>, "43"},
    {"flank_wear", 2, 1, InputKind::Number, &fields::FlankWear<2, 1>, "21"},
    {"flank_wear", 2, 2, InputKind::Number, &fields::FlankWear<2, 2>, "26"},
    {"flank_wear", 2, 3, InputKind::Number, &fields::FlankWear<2, 3>, "35"},
    {"flank_wear", 3, 1, InputKind::Number, &fields::FlankWear<3, 1>, "15"},
    {"flank_wear", 3, 2, InputKind::Number, &fields::FlankWear<3, 2>, "23"},
    {"flank_wear", 3, 3, InputKind::Number, &fields::FlankWear<3, 3>, "26"},
    {"allowable_flank_wear", 0, 0, InputKind::Number,
     &fields::Direct<&CalculationValues::allowable_flank_wear>, "50"},
});
inline constexpr const char *kDefaultChosenTime = "3";

// Counted by the table: a slot per row, then the results window's running time τд.
inline constexpr int kMainWindowSlots = int(kInputs.size());
inline constexpr int kChosenTimeSlot = kMainWindowSlots;
inline constexpr int kInputSlots = kMainWindowSlots + 1;

// The slot of an input of `rows` by its key and indices; -1 for none.
constexpr int SlotIn(std::span<const InputRow> rows, std::string_view key, int cutter = 0,
                     int interval = 0) {
    for (std::size_t slot = 0; slot < rows.size(); ++slot)
        // The indices first: the check asks this for every value of every file.
        if (rows[slot].cutter == cutter && rows[slot].interval == interval && rows[slot].key == key)
            return static_cast<int>(slot);
    return -1;
}

constexpr int SlotOf(std::string_view key, int cutter = 0, int interval = 0) {
    return SlotIn(kInputs, key, cutter, interval);
}

// Slots of the inputs that are read by what they are.
inline constexpr int kMaterialSlot = SlotOf("material");
inline constexpr int kDiameterSlot = SlotOf("diameter");
inline constexpr int kDepthOfCutSlot = SlotOf("depth_of_cut");
inline constexpr int kFeedSlot = SlotOf("feed");
inline constexpr int kAllowableFlankWearSlot = SlotOf("allowable_flank_wear");
constexpr int SpindleSpeedSlot(int cutter) { return SlotOf("spindle_speed", cutter); }
constexpr int RunningTimeSlot(int cutter, int interval) {
    return SlotOf("running_time", cutter, interval);
}
constexpr int FlankWearSlot(int cutter, int interval) {
    return SlotOf("flank_wear", cutter, interval);
}

// A list's items by slot; none for a number, the name (kNameSlot) or τд (kChosenTimeSlot).
constexpr std::span<const char *const> ListItems(int slot) {
    return slot >= 0 && slot < kMainWindowSlots ? kInputs[static_cast<std::size_t>(slot)].items
                                                : std::span<const char *const>();
}

// The worked example as the fields of `rows` show it, by slot.
template <std::size_t N>
constexpr std::array<const char *, N> DefaultTexts(const std::array<InputRow, N> &rows) {
    std::array<const char *, N> texts{};
    for (std::size_t slot = 0; slot < N; ++slot)
        texts[slot] = rows[slot].defaultText;
    return texts;
}
inline constexpr auto kDefaultFieldTexts = DefaultTexts(kInputs);

// One input as the calculation reads it.
struct InputField {
    int slot;
    InputKind kind;
    double &(*field)(CalculationValues &);
};

constexpr bool IsMeasurement(const InputRow &row) {
    return std::string_view(row.key) == "running_time" || std::string_view(row.key) == "flank_wear";
}

// In reading order: the conditions, then the measurements, each in the order of `rows`.
template <std::size_t N>
constexpr std::array<InputField, N> ReadingOrder(const std::array<InputRow, N> &rows) {
    std::array<InputField, N> order{};
    std::size_t next = 0;
    for (bool measurements : {false, true})
        for (std::size_t slot = 0; slot < N; ++slot)
            if (IsMeasurement(rows[slot]) == measurements)
                order[next++] = {static_cast<int>(slot), rows[slot].kind, rows[slot].field};
    return order;
}

// How many of `rows` are conditions, read before the measurements.
constexpr int ConditionCount(std::span<const InputRow> rows) {
    int conditions = 0;
    for (const InputRow &row : rows)
        conditions += IsMeasurement(row) ? 0 : 1;
    return conditions;
}

inline constexpr auto kInputFields = ReadingOrder(kInputs);
// The allowable dimensional wear is computed between the conditions and the measurements.
inline constexpr int kFieldsBeforeAllowableWear = ConditionCount(kInputs);

} // namespace kvr
