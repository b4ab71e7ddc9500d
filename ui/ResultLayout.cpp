#include "ResultLayout.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace kvr {

namespace {

using K = ControlKind;

constexpr int kFormulaPx = 16;
constexpr int kFormulaSubPx = 13;
constexpr int kFormulaSmallPx = 11;

// The three cutter groups share one arrangement of eleven labels.
#define CUTTER_GROUP(group, top, caption, speed, tau, sigma, total, w1, w2, w3, s1, s2, s3, i1,    \
                     i2, i3)                                                                       \
    {K::GroupBox, group, nullptr, 5, top, 356, 81, caption},                                       \
        {K::Label, speed, group, 64, 24, 0, 0, "V = "},                                            \
        {K::Label, tau, group, 208, 24, 0, 0, "τ    ="},                                           \
        {K::Label, sigma, group, 213, 29, 0, 0, "Σ"}, {K::Label, total, group, 240, 24, 0, 0, ""}, \
        {K::Label, w1, group, 16, 48, 0, 0, "h"}, {K::Label, w2, group, 136, 48, 0, 0, "h"},       \
        {K::Label, w3, group, 256, 48, 0, 0, "h"}, {K::Label, s1, group, 22, 52, 0, 0, "р" i1},    \
        {K::Label, s2, group, 142, 52, 0, 0, "р" i2}, {                                            \
        K::Label, s3, group, 262, 52, 0, 0, "р" i3                                                 \
    }

const ControlRow kLayout[] = {
    {K::Label, "Label50", nullptr, 384, 328, 0, 0, "Виконав: "},
    {K::Label, "Label51", nullptr, 632, 328, 0, 0, "Перевірив: Тарвилко Н. Г. "},
    CUTTER_GROUP("GroupBox1", 8, "Інструмент №1", "Label6", "Label1", "Label2", "Label3", "Label13",
                 "Label14", "Label15", "Label16", "Label17", "Label18", "11", "12", "13"),
    CUTTER_GROUP("GroupBox2", 104, "Інструмент №2", "Label8", "Label4", "Label5", "Label7",
                 "Label9", "Label10", "Label11", "Label12", "Label19", "Label20", "21", "22", "23"),
    CUTTER_GROUP("GroupBox3", 200, "Інструмент №3", "Label24", "Label21", "Label22", "Label23",
                 "Label25", "Label26", "Label27", "Label28", "Label29", "Label30", "31", "32",
                 "33"),

    {K::GroupBox, "GroupBox4", nullptr, 384, 8, 377, 305, "Математичні моделі"},
    {K::Label, "Label32", "GroupBox4", 22, 24, 0, 0,
     "Для визначення невідомих параметрів математичних моделей \n"
     "введіть довільне значення тривалості роботи інструмента"},
    {K::Label, "Label48", "GroupBox4", 64, 75, 0, 0, "τ    ="},
    {K::Label, "Label49", "GroupBox4", 68, 79, 0, 0, "д"},
    {K::Edit, "Edit1", "GroupBox4", 96, 72, 41, kEditHeight, "3"},
    {K::Label, "Label47", "GroupBox4", 142, 75, 0, 0, "хв."},
    {K::GroupBox, "GroupBox5", "GroupBox4", 8, 112, 361, 81,
     "Залежність величини розмірного зношування від швидкості різання"},
    {K::Label, "Label33", "GroupBox5", 120, 32, 0, 0, "h", kFormulaPx},
    {K::Label, "Label38", "GroupBox5", 128, 38, 0, 0, "p", kFormulaSubPx},
    {K::Label, "Label34", "GroupBox5", 139, 32, 0, 0, "= C", kFormulaPx},
    {K::Label, "Label37", "GroupBox5", 166, 40, 0, 0, "h", kFormulaSubPx},
    {K::Label, "Label36", "GroupBox5", 173, 45, 0, 0, "p", kFormulaSmallPx},
    {K::Label, "Label35", "GroupBox5", 180, 32, 0, 0, "V", kFormulaPx},
    {K::Label, "Label39", "GroupBox5", 192, 29, 0, 0, "k", kFormulaSmallPx},
    {K::GroupBox, "GroupBox6", "GroupBox4", 8, 208, 361, 81,
     "Залежність періоду стійкості інструмента від швидкості різання"},
    {K::Label, "Label40", "GroupBox6", 120, 32, 0, 0, "T", kFormulaPx},
    {K::Label, "Label45", "GroupBox6", 128, 38, 0, 0, "p", kFormulaSubPx},
    {K::Label, "Label41", "GroupBox6", 139, 32, 0, 0, "= C", kFormulaPx},
    {K::Label, "Label44", "GroupBox6", 166, 40, 0, 0, "T", kFormulaSubPx},
    {K::Label, "Label43", "GroupBox6", 175, 45, 0, 0, "p", kFormulaSmallPx},
    {K::Label, "Label42", "GroupBox6", 180, 32, 0, 0, "V", kFormulaPx},
    {K::Label, "Label46", "GroupBox6", 193, 29, 0, 0, "z", kFormulaSmallPx},
    {K::Button, "Button1", "GroupBox4", 176, 68, 137, 28, "Визначити параметри"},

    {K::GroupBox, "GroupBox7", nullptr, 5, 288, 356, 57, "Допустиме розмірне зношування"},
    {K::Label, "Label31", "GroupBox7", 139, 28, 0, 0, "[h  ] ="},
    {K::Label, "Label52", "GroupBox7", 148, 32, 0, 0, "p"},
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
