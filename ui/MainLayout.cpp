#include "MainLayout.h"

#include "DefaultFieldTexts.h"
#include "InputControls.h"
#include "InputTable.h"

#include <deque>
#include <string>

namespace kvr {

namespace {

using K = ControlKind;

constexpr const char *Default(int slot) { return kDefaultFieldTexts[std::size_t(slot)]; }

constexpr int kSymbolPx = 13;  // φ, α, γ, τ
constexpr int kDegreePx = 16;  // the degree signs
constexpr int kSmallSubPx = 9; // the "1" of φ1 and the indices of n1..n3

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
    {K::ComboBox, "ComboBox1", "GroupBox5", 64, 16, 121, kEditHeight},
    {K::Label, "DiameterSymbol", "GroupBox5", 40, 52, 0, 0, "D = "},
    {K::Edit, "Edit3", "GroupBox5", 64, 48, 65, kEditHeight, Default(kDiameterSlot)},
    {K::Label, "DiameterUnit", "GroupBox5", 133, 52, 0, 0, QT_TRANSLATE_NOOP("Form", "мм")},

    {K::GroupBox, "GroupBox3", "GroupBox2", 216, 56, 209, 89,
     QT_TRANSLATE_NOOP("Form", "Геометричні параметри інструмента")},
    {K::Label, "PhiSymbol", "GroupBox3", 10, 25, 0, 0, "φ", kSymbolPx},
    {K::Label, "PhiEquals", "GroupBox3", 21, 28, 0, 0, "="},
    {K::ComboBox, "ComboBox2", "GroupBox3", 32, 24, 49, kEditHeight},
    {K::Label, "PhiDegree", "GroupBox3", 83, 20, 0, 0, "°", kDegreePx},
    {K::Label, "Phi1Symbol", "GroupBox3", 112, 25, 0, 0, "φ", kSymbolPx},
    {K::Label, "Phi1Subscript", "GroupBox3", 120, 33, 0, 0, "1", kSmallSubPx},
    {K::Label, "Phi1Equals", "GroupBox3", 134, 28, 0, 0, "="},
    {K::ComboBox, "ComboBox3", "GroupBox3", 148, 24, 49, kEditHeight},
    {K::Label, "Phi1Degree", "GroupBox3", 199, 20, 0, 0, "°", kDegreePx},
    {K::Label, "AlphaSymbol", "GroupBox3", 10, 57, 0, 0, "α", kSymbolPx},
    {K::Label, "AlphaEquals", "GroupBox3", 21, 60, 0, 0, "="},
    {K::ComboBox, "ComboBox4", "GroupBox3", 32, 56, 49, kEditHeight},
    {K::Label, "AlphaDegree", "GroupBox3", 83, 52, 0, 0, "°", kDegreePx},
    {K::Label, "GammaSymbol", "GroupBox3", 122, 57, 0, 0, "γ", kSymbolPx},
    {K::Label, "GammaEquals", "GroupBox3", 134, 60, 0, 0, "="},
    {K::ComboBox, "ComboBox5", "GroupBox3", 148, 56, 49, kEditHeight},
    {K::Label, "GammaDegree", "GroupBox3", 199, 52, 0, 0, "°", kDegreePx},

    {K::GroupBox, "GroupBox4", "GroupBox2", 16, 152, 409, 97,
     QT_TRANSLATE_NOOP("Form", "Режим оброблення")},
    {K::Label, "DepthSymbol", "GroupBox4", 48, 28, 0, 0, "h = "},
    {K::Edit, "Edit10", "GroupBox4", 72, 24, 49, kEditHeight, Default(6)},
    {K::Label, "DepthUnit", "GroupBox4", 125, 28, 0, 0, QT_TRANSLATE_NOOP("Form", "мм")},
    {K::Label, "FeedSymbol", "GroupBox4", 48, 60, 0, 0, "S = "},
    {K::Edit, "Edit11", "GroupBox4", 72, 56, 49, kEditHeight, Default(7)},
    {K::Label, "FeedUnit", "GroupBox4", 125, 60, 0, 0, QT_TRANSLATE_NOOP("Form", "мм/об.")},
    {K::Label, "Speed1Symbol", "GroupBox4", 248, 20, 0, 0, "n"},
    {K::Label, "Speed1Subscript", "GroupBox4", 255, 25, 0, 0, "1", kSmallSubPx},
    {K::Label, "Speed1Equals", "GroupBox4", 264, 20, 0, 0, "="},
    {K::Edit, "Edit12", "GroupBox4", 280, 16, 49, kEditHeight, Default(SpindleSpeedSlot(1))},
    {K::Label, "Speed1Unit", "GroupBox4", 333, 20, 0, 0, QT_TRANSLATE_NOOP("Form", "об./хв.")},
    {K::Label, "Speed2Symbol", "GroupBox4", 248, 44, 0, 0, "n"},
    {K::Label, "Speed2Subscript", "GroupBox4", 255, 49, 0, 0, "2", kSmallSubPx},
    {K::Label, "Speed2Equals", "GroupBox4", 264, 44, 0, 0, "="},
    {K::Edit, "Edit13", "GroupBox4", 280, 40, 49, kEditHeight, Default(SpindleSpeedSlot(2))},
    {K::Label, "Speed2Unit", "GroupBox4", 333, 44, 0, 0, QT_TRANSLATE_NOOP("Form", "об./хв.")},
    {K::Label, "Speed3Symbol", "GroupBox4", 248, 68, 0, 0, "n"},
    {K::Label, "Speed3Subscript", "GroupBox4", 255, 73, 0, 0, "3", kSmallSubPx},
    {K::Label, "Speed3Equals", "GroupBox4", 264, 68, 0, 0, "="},
    {K::Edit, "Edit14", "GroupBox4", 280, 64, 49, kEditHeight, Default(SpindleSpeedSlot(3))},
    {K::Label, "Speed3Unit", "GroupBox4", 333, 68, 0, 0, QT_TRANSLATE_NOOP("Form", "об./хв.")},

    {K::GroupBox, "GroupBox6", "GroupBox2", 16, 256, 409, 49,
     QT_TRANSLATE_NOOP("Form", "Допустиме зношування по задній поверхні")},
    {K::Label, "AllowableWearSymbol", "GroupBox6", 128, 20, 0, 0, "[h  ] = "},
    {K::Label, "AllowableWearSubscript", "GroupBox6", 138, 25, 0, 0,
     QT_TRANSLATE_NOOP("Form", "з")},
    {K::Edit, "Edit2", "GroupBox6", 168, 16, 49, kEditHeight, Default(kAllowableFlankWearSlot)},
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
    {K::Edit, "Edit1", "GroupBox1", 8, 20, 217, kEditHeight, ""},
    {K::Image, "Image1", nullptr, 248, 352, 17, 17},

    {K::Button, "Button1", nullptr, 304, 344, 97, 33, QT_TRANSLATE_NOOP("Form", "Розрахувати")},
    {K::Button, "Button2", nullptr, 416, 344, 137, 33,
     QT_TRANSLATE_NOOP("Form", "Результати розрахунків")},
    {K::Button, "Button3", nullptr, 568, 344, 81, 33, QT_TRANSLATE_NOOP("Form", "Графіки")},
    {K::Button, "BitBtn1", nullptr, 664, 344, 113, 33, QT_TRANSLATE_NOOP("Form", "&Допомога")},
};

// One measurement row of a cutter group: τ_ij = [edit] хв.   h_з,ij = [edit] мкм
struct MeasurementRow {
    const char *group;
    int cutter;
    int interval;
    int top;
};

const MeasurementRow kMeasurementRows[] = {
    {"GroupBox8", 1, 1, 16},  {"GroupBox8", 1, 2, 40},  {"GroupBox8", 1, 3, 64},
    {"GroupBox9", 2, 1, 16},  {"GroupBox9", 2, 2, 40},  {"GroupBox9", 2, 3, 64},
    {"GroupBox10", 3, 1, 16}, {"GroupBox10", 3, 2, 40}, {"GroupBox10", 3, 3, 64},
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
                          const MeasurementRow &row) {
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
    controls.push_back({K::Edit, InputControl(timeSlot), row.group, 45, row.top, 41, kEditHeight,
                        Default(timeSlot)});
    label("TimeUnit", 90, text, QT_TRANSLATE_NOOP("Form", "хв."));
    label("WearSymbol", 146, text, "h");
    label("WearSubscript", 153, subscript, kFlankWearSubscripts[row.cutter - 1][row.interval - 1]);
    label("WearEquals", 178, text, "=");
    controls.push_back({K::Edit, InputControl(wearSlot), row.group, 192, row.top, 41, kEditHeight,
                        Default(wearSlot)});
    label("WearUnit", 237, text, QT_TRANSLATE_NOOP("Form", "мкм"));
}

} // namespace

const std::vector<ControlRow> &MainWindowLayout() {
    static std::deque<std::string> store;
    static const std::vector<ControlRow> layout = [] {
        std::vector<ControlRow> controls(std::begin(kFixedControls), std::end(kFixedControls));
        for (const MeasurementRow &row : kMeasurementRows)
            AppendMeasurementRow(controls, store, row);
        return controls;
    }();
    return layout;
}

} // namespace kvr
