#include "ResultLayout.h"

#include "InputTable.h"
#include "ResultLabels.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace kvr {

namespace {

using K = ControlKind;

constexpr int kFormulaPx = 16;
constexpr int kFormulaSubPx = 13;
constexpr int kFormulaSmallPx = 11;

// The three cutter groups share one arrangement of eleven labels. The subscripts of h and T
// are words of their own language: "р" (Cyrillic) is the life model's, "p" (Latin) the
// wear's, so that each has its translation.
#define CUTTER_GROUP(group, top, caption, results, tau, sigma, s1, s2, s3, i1, i2, i3)             \
    {K::GroupBox, group, nullptr, 5, top, 356, 81, caption},                                       \
        {K::Label, results.speed, group, 64, 24, 0, 0, "V = "},                                    \
        {K::Label, tau, group, 208, 24, 0, 0, "τ    ="},                                           \
        {K::Label, sigma, group, 213, 29, 0, 0, "Σ"},                                              \
        {K::Label, results.total, group, 240, 24, 0, 0, ""},                                       \
        {K::Label, results.wear[0], group, 16, 48, 0, 0, "h"},                                     \
        {K::Label, results.wear[1], group, 136, 48, 0, 0, "h"},                                    \
        {K::Label, results.wear[2], group, 256, 48, 0, 0, "h"},                                    \
        {K::Label, s1, group, 22, 52, 0, 0, i1}, {K::Label, s2, group, 142, 52, 0, 0, i2}, {       \
        K::Label, s3, group, 262, 52, 0, 0, i3                                                     \
    }

const ControlRow kLayout[] = {
    {K::Label, kStudentLabel, nullptr, 384, 328, 0, 0, QT_TRANSLATE_NOOP("Form", "Виконав: ")},
    {K::Label, kInstructorLabel, nullptr, 632, 328, 0, 0, kInstructorLine},
    // Under the models, where the student looks before the report: one line, cut short.
    {K::Label, kNotesLabel, nullptr, 384, 314, 377},
    CUTTER_GROUP("GroupBox1", 8, QT_TRANSLATE_NOOP("Form", "Інструмент №1"), kCutterLabels[0],
                 "Label1", "Label2", "Label16", "Label17", "Label18",
                 QT_TRANSLATE_NOOP("Form", "р11"), QT_TRANSLATE_NOOP("Form", "р12"),
                 QT_TRANSLATE_NOOP("Form", "р13")),
    CUTTER_GROUP("GroupBox2", 104, QT_TRANSLATE_NOOP("Form", "Інструмент №2"), kCutterLabels[1],
                 "Label4", "Label5", "Label12", "Label19", "Label20",
                 QT_TRANSLATE_NOOP("Form", "р21"), QT_TRANSLATE_NOOP("Form", "р22"),
                 QT_TRANSLATE_NOOP("Form", "р23")),
    CUTTER_GROUP("GroupBox3", 200, QT_TRANSLATE_NOOP("Form", "Інструмент №3"), kCutterLabels[2],
                 "Label21", "Label22", "Label28", "Label29", "Label30",
                 QT_TRANSLATE_NOOP("Form", "р31"), QT_TRANSLATE_NOOP("Form", "р32"),
                 QT_TRANSLATE_NOOP("Form", "р33")),

    {K::GroupBox, "GroupBox4", nullptr, 384, 8, 377, 305,
     QT_TRANSLATE_NOOP("Form", "Математичні моделі")},
    {K::Label, "Label32", "GroupBox4", 22, 24, 0, 0,
     QT_TRANSLATE_NOOP("Form", "Для визначення невідомих параметрів математичних моделей \n"
                               "введіть довільне значення тривалості роботи інструмента")},
    {K::Label, "Label48", "GroupBox4", 64, 75, 0, 0, "τ    ="},
    {K::Label, "Label49", "GroupBox4", 68, 79, 0, 0, QT_TRANSLATE_NOOP("Form", "д")},
    {K::Edit, "Edit1", "GroupBox4", 96, 72, 41, kEditHeight, kDefaultChosenTime},
    {K::Label, "Label47", "GroupBox4", 142, 75, 0, 0, QT_TRANSLATE_NOOP("Form", "хв.")},
    {K::GroupBox, "GroupBox5", "GroupBox4", 8, 112, 361, 81,
     QT_TRANSLATE_NOOP("Form", "Залежність величини розмірного зношування від швидкості різання")},
    {K::Label, kWearFormula.lead, "GroupBox5", 120, 32, 0, 0, "h", kFormulaPx},
    {K::Label, "Label38", "GroupBox5", 128, 38, 0, 0, QT_TRANSLATE_NOOP("Form", "p"),
     kFormulaSubPx},
    {K::Label, kWearFormula.coefficient, "GroupBox5", 139, 32, 0, 0, "= C", kFormulaPx},
    {K::Label, kWearFormula.symbols[2], "GroupBox5", 166, 40, 0, 0, "h", kFormulaSubPx},
    {K::Label, kWearFormula.symbols[1], "GroupBox5", 173, 45, 0, 0, QT_TRANSLATE_NOOP("Form", "p"),
     kFormulaSmallPx},
    {K::Label, kWearFormula.symbols[0], "GroupBox5", 180, 32, 0, 0, "V", kFormulaPx},
    {K::Label, kWearFormula.exponent, "GroupBox5", 192, 29, 0, 0, "k", kFormulaSmallPx},
    {K::GroupBox, "GroupBox6", "GroupBox4", 8, 208, 361, 81,
     QT_TRANSLATE_NOOP("Form", "Залежність періоду стійкості інструмента від швидкості різання")},
    {K::Label, kLifeFormula.lead, "GroupBox6", 120, 32, 0, 0, "T", kFormulaPx},
    {K::Label, "Label45", "GroupBox6", 128, 38, 0, 0, QT_TRANSLATE_NOOP("Form", "р"),
     kFormulaSubPx},
    {K::Label, kLifeFormula.coefficient, "GroupBox6", 139, 32, 0, 0, "= C", kFormulaPx},
    {K::Label, kLifeFormula.symbols[2], "GroupBox6", 166, 40, 0, 0, "T", kFormulaSubPx},
    {K::Label, kLifeFormula.symbols[1], "GroupBox6", 175, 45, 0, 0, QT_TRANSLATE_NOOP("Form", "р"),
     kFormulaSmallPx},
    {K::Label, kLifeFormula.symbols[0], "GroupBox6", 180, 32, 0, 0, "V", kFormulaPx},
    {K::Label, kLifeFormula.exponent, "GroupBox6", 193, 29, 0, 0, "z", kFormulaSmallPx},
    {K::Button, "Button1", "GroupBox4", 176, 68, 137, 28,
     QT_TRANSLATE_NOOP("Form", "Визначити параметри")},

    {K::GroupBox, "GroupBox7", nullptr, 5, 288, 356, 57,
     QT_TRANSLATE_NOOP("Form", "Допустиме розмірне зношування")},
    {K::Label, kAllowableWearLabel, "GroupBox7", 139, 28, 0, 0, "[h  ] ="},
    {K::Label, "Label52", "GroupBox7", 148, 32, 0, 0, QT_TRANSLATE_NOOP("Form", "p")},
};

#undef CUTTER_GROUP

} // namespace

std::span<const ControlRow> ResultWindowLayout() { return kLayout; }

const ControlRow &ResultWindowRow(const char *name) {
    const auto *row =
        std::find_if(std::begin(kLayout), std::end(kLayout),
                     [name](const ControlRow &r) { return std::string_view(r.name) == name; });
    Q_ASSERT_X(row != std::end(kLayout), "ResultWindowRow", name);
    return *row;
}

} // namespace kvr
