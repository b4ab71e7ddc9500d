#include "MainLayout.h"

#include "InputTable.h"
#include "Quantities.h"

#include <QCoreApplication>

#include <deque>
#include <string>

namespace kvr {

namespace {

using K = ControlKind;

constexpr const char *Default(int slot) { return kDefaultFieldTexts[std::size_t(slot)]; }

constexpr int kSymbolPx = 13;  // φ, α, γ, τ
constexpr int kDegreePx = 16;  // the degree signs
constexpr int kSmallSubPx = 9; // the "1" of φ1 and the indices of n1..n3

// The tab order: the buttons and the name first, then the fields (the conditions in the order
// of their rows here, the measurements cutter by cutter, times before wear); help last.
constexpr int kFirstFieldTab = 5;
constexpr int kLastTab = kFirstFieldTab + kMainWindowSlots;

// A field of the experiment, showing the worked example's text; its tab follows its row.
constexpr ControlRow Field(ControlKind kind, const char *name, const char *parent, int left,
                           int top, int width, int slot) {
    return {kind,          name,  parent,      left,
            top,           width, kEditHeight, kind == K::Edit ? Default(slot) : "",
            kWindowFontPx, slot};
}

const ControlRow kFixedControls[] = {
    {K::GroupBox, "GroupBox2", nullptr, 8, 8, 441, 321, QT_TRANSLATE_NOOP("Form", "Вихідні дані")},
    {K::Label, "Label3", "GroupBox2", 8, 16, 0, 0,
     QT_TRANSLATE_NOOP("Form",
                       "Група верстатів: токарно-гвинторізні\nВид оброблення: обточування\n")},
    {K::Label, "Label6", "GroupBox2", 272, 16, 0, 0,
     QT_TRANSLATE_NOOP("Form", "Інструмент: різець прохідний\nМатеріал інструмента: ВК8")},

    {K::GroupBox, "GroupBox5", "GroupBox2", 16, 56, 193, 89,
     QT_TRANSLATE_NOOP("Form", "Заготовка")},
    {K::Label, "MaterialCaption", "GroupBox5", 8, 20, 0, 0, QT_TRANSLATE_NOOP("Form", "Матеріал:")},
    Field(K::ComboBox, "ComboBox1", "GroupBox5", 64, 16, 121, SlotOf("material")),
    {K::Label, "DiameterSymbol", "GroupBox5", 40, 52, 0, 0, "D = "},
    Field(K::Edit, "Edit3", "GroupBox5", 64, 48, 65, SlotOf("diameter")),
    {K::Label, "DiameterUnit", "GroupBox5", 133, 52, 0, 0, QT_TRANSLATE_NOOP("Form", "мм")},

    {K::GroupBox, "GroupBox3", "GroupBox2", 216, 56, 209, 89,
     QT_TRANSLATE_NOOP("Form", "Геометричні параметри інструмента")},
    {K::Label, "PhiSymbol", "GroupBox3", 10, 25, 0, 0, "φ", kSymbolPx},
    {K::Label, "PhiEquals", "GroupBox3", 21, 28, 0, 0, "="},
    Field(K::ComboBox, "ComboBox2", "GroupBox3", 32, 24, 49, SlotOf("phi")),
    {K::Label, "PhiDegree", "GroupBox3", 83, 20, 0, 0, "°", kDegreePx},
    {K::Label, "Phi1Symbol", "GroupBox3", 112, 25, 0, 0, "φ", kSymbolPx},
    {K::Label, "Phi1Subscript", "GroupBox3", 120, 33, 0, 0, "1", kSmallSubPx},
    {K::Label, "Phi1Equals", "GroupBox3", 134, 28, 0, 0, "="},
    Field(K::ComboBox, "ComboBox3", "GroupBox3", 148, 24, 49, SlotOf("phi1")),
    {K::Label, "Phi1Degree", "GroupBox3", 199, 20, 0, 0, "°", kDegreePx},
    {K::Label, "AlphaSymbol", "GroupBox3", 10, 57, 0, 0, "α", kSymbolPx},
    {K::Label, "AlphaEquals", "GroupBox3", 21, 60, 0, 0, "="},
    Field(K::ComboBox, "ComboBox4", "GroupBox3", 32, 56, 49, SlotOf("alpha")),
    {K::Label, "AlphaDegree", "GroupBox3", 83, 52, 0, 0, "°", kDegreePx},
    {K::Label, "GammaSymbol", "GroupBox3", 122, 57, 0, 0, "γ", kSymbolPx},
    {K::Label, "GammaEquals", "GroupBox3", 134, 60, 0, 0, "="},
    Field(K::ComboBox, "ComboBox5", "GroupBox3", 148, 56, 49, SlotOf("gamma")),
    {K::Label, "GammaDegree", "GroupBox3", 199, 52, 0, 0, "°", kDegreePx},

    {K::GroupBox, "GroupBox4", "GroupBox2", 16, 152, 409, 97,
     QT_TRANSLATE_NOOP("Form", "Режим оброблення")},
    {K::Label, "DepthSymbol", "GroupBox4", 48, 28, 0, 0, "h = "},
    Field(K::Edit, "Edit10", "GroupBox4", 72, 24, 49, SlotOf("depth_of_cut")),
    {K::Label, "DepthUnit", "GroupBox4", 125, 28, 0, 0, QT_TRANSLATE_NOOP("Form", "мм")},
    {K::Label, "FeedSymbol", "GroupBox4", 48, 60, 0, 0, "S = "},
    Field(K::Edit, "Edit11", "GroupBox4", 72, 56, 49, SlotOf("feed")),
    {K::Label, "FeedUnit", "GroupBox4", 125, 60, 0, 0, QT_TRANSLATE_NOOP("Form", "мм/об.")},
    {K::Label, "Speed1Symbol", "GroupBox4", 248, 20, 0, 0, "n"},
    {K::Label, "Speed1Subscript", "GroupBox4", 255, 25, 0, 0, "1", kSmallSubPx},
    {K::Label, "Speed1Equals", "GroupBox4", 264, 20, 0, 0, "="},
    Field(K::Edit, "Edit12", "GroupBox4", 280, 16, 49, SlotOf("spindle_speed", 1)),
    {K::Label, "Speed1Unit", "GroupBox4", 333, 20, 0, 0, QT_TRANSLATE_NOOP("Form", "об./хв.")},
    {K::Label, "Speed2Symbol", "GroupBox4", 248, 44, 0, 0, "n"},
    {K::Label, "Speed2Subscript", "GroupBox4", 255, 49, 0, 0, "2", kSmallSubPx},
    {K::Label, "Speed2Equals", "GroupBox4", 264, 44, 0, 0, "="},
    Field(K::Edit, "Edit13", "GroupBox4", 280, 40, 49, SlotOf("spindle_speed", 2)),
    {K::Label, "Speed2Unit", "GroupBox4", 333, 44, 0, 0, QT_TRANSLATE_NOOP("Form", "об./хв.")},
    {K::Label, "Speed3Symbol", "GroupBox4", 248, 68, 0, 0, "n"},
    {K::Label, "Speed3Subscript", "GroupBox4", 255, 73, 0, 0, "3", kSmallSubPx},
    {K::Label, "Speed3Equals", "GroupBox4", 264, 68, 0, 0, "="},
    Field(K::Edit, "Edit14", "GroupBox4", 280, 64, 49, SlotOf("spindle_speed", 3)),
    {K::Label, "Speed3Unit", "GroupBox4", 333, 68, 0, 0, QT_TRANSLATE_NOOP("Form", "об./хв.")},

    {K::GroupBox, "GroupBox6", "GroupBox2", 16, 256, 409, 49,
     QT_TRANSLATE_NOOP("Form", "Допустиме зношування по задній поверхні")},
    {K::Label, "AllowableWearSymbol", "GroupBox6", 128, 20, 0, 0, "[h  ] = "},
    {K::Label, "AllowableWearSubscript", "GroupBox6", 138, 25, 0, 0,
     QT_TRANSLATE_NOOP("Form", "з")},
    Field(K::Edit, "Edit2", "GroupBox6", 168, 16, 49, SlotOf("allowable_flank_wear")),
    {K::Label, "AllowableWearUnit", "GroupBox6", 221, 20, 0, 0, QT_TRANSLATE_NOOP("Form", "мкм")},

    {K::GroupBox, "GroupBox7", nullptr, 464, 8, 313, 321,
     QT_TRANSLATE_NOOP("Form", "Результати вимірювань")},
    {K::GroupBox, "GroupBox8", "GroupBox7", 16, 16, 281, 97,
     QT_TRANSLATE_NOOP("Form", "Інструмент № 1")},
    {K::GroupBox, "GroupBox9", "GroupBox7", 16, 112, 281, 97,
     QT_TRANSLATE_NOOP("Form", "Інструмент № 2")},
    {K::GroupBox, "GroupBox10", "GroupBox7", 16, 208, 281, 97,
     QT_TRANSLATE_NOOP("Form", "Інструмент № 3")},

    {K::GroupBox, "GroupBox1", nullptr, 8, 336, 233, 49,
     QT_TRANSLATE_NOOP("Form", "Ідентифікаційні дані користувача програми")},
    {K::Edit, "Edit1", "GroupBox1", 8, 20, 217, kEditHeight, "", kWindowFontPx, kNameSlot, 2},
    {K::Image, "Image1", nullptr, 248, 352, 17, 17},

    {K::Button, "Button1", nullptr, 304, 344, 97, 33, QT_TRANSLATE_NOOP("Form", "Розрахувати"),
     kWindowFontPx, kNoInput, 1},
    {K::Button, "Button2", nullptr, 416, 344, 137, 33,
     QT_TRANSLATE_NOOP("Form", "Результати розрахунків"), kWindowFontPx, kNoInput, 3},
    {K::Button, "Button3", nullptr, 568, 344, 81, 33, QT_TRANSLATE_NOOP("Form", "Графіки"),
     kWindowFontPx, kNoInput, 4},
    {K::Button, "BitBtn1", nullptr, 664, 344, 113, 33, QT_TRANSLATE_NOOP("Form", "&Допомога"),
     kWindowFontPx, kNoInput, kLastTab},
};

// One measurement row of a cutter group: τ_ij = [edit] хв.   h_з,ij = [edit] мкм
struct MeasurementRow {
    const char *group;
    int cutter;
    int interval;
    int top;
    const char *timeEdit;
    const char *wearEdit;
};

const MeasurementRow kMeasurementRows[] = {
    {"GroupBox8", 1, 1, 16, "Edit4", "Edit19"},   {"GroupBox8", 1, 2, 40, "Edit5", "Edit20"},
    {"GroupBox8", 1, 3, 64, "Edit6", "Edit21"},   {"GroupBox9", 2, 1, 16, "Edit7", "Edit16"},
    {"GroupBox9", 2, 2, 40, "Edit9", "Edit17"},   {"GroupBox9", 2, 3, 64, "Edit15", "Edit18"},
    {"GroupBox10", 3, 1, 16, "Edit22", "Edit25"}, {"GroupBox10", 3, 2, 40, "Edit23", "Edit26"},
    {"GroupBox10", 3, 3, 64, "Edit24", "Edit27"},
};

// The subscript of h_з: a word of the interface's language with the cutter and the interval.
constexpr const char *kFlankWearSubscripts[kCutters][kIntervals] = {
    {QT_TRANSLATE_NOOP("Form", "з11"), QT_TRANSLATE_NOOP("Form", "з12"),
     QT_TRANSLATE_NOOP("Form", "з13")},
    {QT_TRANSLATE_NOOP("Form", "з21"), QT_TRANSLATE_NOOP("Form", "з22"),
     QT_TRANSLATE_NOOP("Form", "з23")},
    {QT_TRANSLATE_NOOP("Form", "з31"), QT_TRANSLATE_NOOP("Form", "з32"),
     QT_TRANSLATE_NOOP("Form", "з33")},
};

// Names and texts of generated rows need storage that outlives the table.
const char *Keep(std::deque<std::string> &store, std::string text) {
    store.push_back(std::move(text));
    return store.back().c_str();
}

void AppendMeasurementRow(std::vector<ControlRow> &controls, std::deque<std::string> &store,
                          const MeasurementRow &row, int firstTab) {
    const std::string index = std::to_string(row.cutter) + std::to_string(row.interval);
    const int timeSlot = RunningTimeSlot(row.cutter, row.interval);
    const int wearSlot = FlankWearSlot(row.cutter, row.interval);
    const int text = row.top + 4;
    const int subscript = text + 6;
    auto label = [&](const std::string &name, int left, int top, const std::string &caption,
                     int fontPx = kWindowFontPx) {
        controls.push_back({K::Label, Keep(store, name + index), row.group, left, top, 0, 0,
                            Keep(store, caption), fontPx});
    };
    label("TimeSymbol", 8, row.top + 2, "τ", kSymbolPx);
    label("TimeSubscript", 15, subscript, index);
    label("TimeEquals", 30, text, "=");
    const int tab = firstTab + 2 * kIntervals * (row.cutter - 1) + row.interval - 1;
    controls.push_back({K::Edit, row.timeEdit, row.group, 45, row.top, 41, kEditHeight,
                        Default(timeSlot), kWindowFontPx, timeSlot, tab});
    label("TimeUnit", 90, text, QT_TRANSLATE_NOOP("Form", "хв."));
    label("WearSymbol", 146, text, "h");
    label("WearSubscript", 153, subscript, kFlankWearSubscripts[row.cutter - 1][row.interval - 1]);
    label("WearEquals", 178, text, "=");
    controls.push_back({K::Edit, row.wearEdit, row.group, 192, row.top, 41, kEditHeight,
                        Default(wearSlot), kWindowFontPx, wearSlot, tab + kIntervals});
    label("WearUnit", 237, text, QT_TRANSLATE_NOOP("Form", "мкм"));
}

} // namespace

const std::vector<ControlRow> &MainWindowLayout() {
    static std::deque<std::string> store;
    static const std::vector<ControlRow> layout = [] {
        std::vector<ControlRow> controls(std::begin(kFixedControls), std::end(kFixedControls));
        // The fixed rows' fields are the conditions.
        int tab = kFirstFieldTab;
        for (ControlRow &control : controls)
            if (control.slot >= 0)
                control.tab = tab++;
        for (const MeasurementRow &row : kMeasurementRows)
            AppendMeasurementRow(controls, store, row, tab);
        return controls;
    }();
    return layout;
}

std::vector<int> ConditionSlots() {
    std::vector<int> conditions;
    for (const ControlRow &control : MainWindowLayout())
        if (control.slot >= 0 && !IsMeasurement(kInputs[std::size_t(control.slot)]))
            conditions.push_back(control.slot);
    return conditions;
}

} // namespace kvr
