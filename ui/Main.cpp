#include "Main.h"

#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "Graphic.h"
#include "Handler.h"
#include "Help.h"
#include "InputFields.h"
#include "JpegImage.h"
#include "MainLayout.h"
#include "NumberSyntax.h"
#include "Result.h"
#include "Warning.h"
#include "WearCalculation.h"
#include "Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <numeric>
#include <optional>

namespace kvr {

namespace {

const char *const kMaterials[] = {
    "сталь 10",     "сталь 20",     "сталь 25",       "сталь 30",     "сталь 35",
    "сталь 40",     "сталь 45",     "сталь 50",       "сталь 55",     "сталь 60",
    "сталь 20Г",    "сталь 30Г",    "сталь 50Г",      "сталь 20Х",    "сталь 40Х",
    "сталь 45Х",    "сталь 30ХМ",   "сталь 35ХМ",     "сталь 40ХН",   "сталь 50ХН",
    "сталь 40ХФА",  "сталь 38ХМЮА", "сталь 12ХН3А",   "сталь 20ХН3А", "сталь 30ХН3А",
    "сталь 40ХНМА", "сталь 30ХГСА", "сталь 12Х18Н9Т",
};
constexpr int kMaterialRowsShown = 15;

void Fill(QComboBox *combo, std::initializer_list<const char *> items, int selected) {
    for (const char *item : items)
        combo->addItem(QString::fromUtf8(item));
    combo->setCurrentIndex(selected);
}

} // namespace

TForm_Main::TForm_Main()
    : TFixedForm("Form_Main", QString::fromUtf8(kApplicationTitle), QPoint(282, 110),
                 QSize(kMainOuterWidth, kMainOuterHeight),
                 Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_QuitOnClose, true);
    BuildControls();
    FillLists();
    SetTabOrder();
    ConnectHandlers();
    ApplyResizePolicy();
    KeepOuterSize(QSize(kMainOuterWidth, kMainOuterHeight));
}

void TForm_Main::BuildControls() {
    FormBuilder form(this);
    form.Build(MainWindowLayout());
    for (auto [member, name] : {std::pair{&GroupBox1, "GroupBox1"},
                                {&GroupBox2, "GroupBox2"},
                                {&GroupBox3, "GroupBox3"},
                                {&GroupBox4, "GroupBox4"},
                                {&GroupBox5, "GroupBox5"},
                                {&GroupBox6, "GroupBox6"},
                                {&GroupBox7, "GroupBox7"},
                                {&GroupBox8, "GroupBox8"},
                                {&GroupBox9, "GroupBox9"},
                                {&GroupBox10, "GroupBox10"}})
        *member = form.Get<QGroupBox>(name);
    for (auto [member, name] :
         {std::pair{&Label3, "Label3"}, {&Label6, "Label6"}, {&Image1, "Image1"}})
        *member = form.Get<QLabel>(name);
    for (auto [member, name] : {std::pair{&ComboBox1, "ComboBox1"},
                                {&ComboBox2, "ComboBox2"},
                                {&ComboBox3, "ComboBox3"},
                                {&ComboBox4, "ComboBox4"},
                                {&ComboBox5, "ComboBox5"}})
        *member = form.Get<QComboBox>(name);
    for (auto [member, name] :
         {std::pair{&Edit1, "Edit1"}, {&Edit2, "Edit2"},   {&Edit3, "Edit3"},   {&Edit4, "Edit4"},
          {&Edit5, "Edit5"},          {&Edit6, "Edit6"},   {&Edit7, "Edit7"},   {&Edit9, "Edit9"},
          {&Edit10, "Edit10"},        {&Edit11, "Edit11"}, {&Edit12, "Edit12"}, {&Edit13, "Edit13"},
          {&Edit14, "Edit14"},        {&Edit15, "Edit15"}, {&Edit16, "Edit16"}, {&Edit17, "Edit17"},
          {&Edit18, "Edit18"},        {&Edit19, "Edit19"}, {&Edit20, "Edit20"}, {&Edit21, "Edit21"},
          {&Edit22, "Edit22"},        {&Edit23, "Edit23"}, {&Edit24, "Edit24"}, {&Edit25, "Edit25"},
          {&Edit26, "Edit26"},        {&Edit27, "Edit27"}})
        *member = form.Get<QLineEdit>(name);
    for (auto [member, name] : {std::pair{&Button1, "Button1"},
                                {&Button2, "Button2"},
                                {&Button3, "Button3"},
                                {&BitBtn1, "BitBtn1"}})
        *member = form.Get<QPushButton>(name);

    Image1->setPixmap(QPixmap::fromImage(LoadJpeg(QStringLiteral(":/checkmark.jpg"))));
    Image1->hide();
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    // Our own glyph: without an icon theme the toolkit's help icon is a missing-image mark.
    QIcon helpGlyph(QStringLiteral(":/help.png"));
    helpGlyph.addFile(QStringLiteral(":/help@2x.png"));
    BitBtn1->setIcon(helpGlyph);
}

void TForm_Main::FillLists() {
    for (const char *material : kMaterials)
        ComboBox1->addItem(QString::fromUtf8(material));
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ComboBox1->setMaxVisibleItems(kMaterialRowsShown);
    Fill(ComboBox2, {"30", "45", "60"}, 1);
    Fill(ComboBox3, {"30", "45", "60"}, 1);
    Fill(ComboBox4, {"3", "5", "8"}, 2);
    Fill(ComboBox5, {"-15", "0", "10"}, 2);
}

void TForm_Main::SetTabOrder() {
    const QList<QWidget *> order = {
        Button1,   Edit1,  Button2, Button3, ComboBox1, Edit3,  ComboBox2, ComboBox3, ComboBox4,
        ComboBox5, Edit10, Edit11,  Edit12,  Edit13,    Edit14, Edit2,     Edit4,     Edit5,
        Edit6,     Edit19, Edit20,  Edit21,  Edit7,     Edit9,  Edit15,    Edit16,    Edit17,
        Edit18,    Edit22, Edit23,  Edit24,  Edit25,    Edit26, Edit27,    BitBtn1,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm_Main::ConnectHandlers() {
    ConnectHandler(Button1, &QPushButton::clicked, this, &TForm_Main::Button1Click);
    ConnectHandler(Button2, &QPushButton::clicked, this, &TForm_Main::Button2Click);
    ConnectHandler(Button3, &QPushButton::clicked, this, &TForm_Main::Button3Click);
    ConnectHandler(BitBtn1, &QPushButton::clicked, this, &TForm_Main::BitBtn1Click);
}

bool TForm_Main::FormCanResize(int &, int &) { return false; }

void TForm_Main::closeEvent(QCloseEvent *event) {
    // The main window is the application: the other windows go with it.
    TFixedForm::closeEvent(event);
    QApplication::quit();
}

static void ShowNonModal(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void TForm_Main::Button2Click() { ShowNonModal(Form_Result); }

void TForm_Main::Button3Click() { ShowNonModal(Form_Graphic); }

void TForm_Main::BitBtn1Click() { ShowNonModal(Form_Help); }

void TForm_Main::Button1Click() {
    std::fill_n(State.input_error_flags.begin(), kMainWindowSlots, 0);
    State.input_error_sum = 0;
    ReadUserName();
    ReadAngles();
    ReadMaterial();
    ReadConditions();
    std::optional<double> smallestAllowableWear;
    try {
        ComputeAllowableDimensionalWear(State);
        ReadRunningTimes();
        ReadFlankWear();
        ComputeSpeedsAndDimensionalWear(State);
        Form_Result->WriteCalculationLabels();
        DecideResultButtons();
        ComputeWearLines(State);
        smallestAllowableWear = CheckAllowableWear(State);
    } catch (const ArithmeticFault &) {
        // The wear lines of this press were never completed: nothing may be built on them.
        DisableResultButtons();
        throw;
    }
    if (smallestAllowableWear)
        WarnAllowableWear(*smallestAllowableWear);
}

void TForm_Main::ReadUserName() {
    const QString name = Edit1->text();
    if (name.isEmpty()) {
        MarkEdit(Edit1, 1);
        Image1->hide();
        return;
    }
    MarkEdit(Edit1, 0);
    Image1->show();
    Form_Result->SetStudentLine(QStringLiteral("Виконав: ") + name);
}

void TForm_Main::ReadAngles() {
    const std::pair<QComboBox *, double *> angles[] = {{ComboBox2, &State.phi},
                                                       {ComboBox3, &State.phi1},
                                                       {ComboBox4, &State.alpha},
                                                       {ComboBox5, &State.gamma}};
    int slot = 0;
    for (auto [combo, field] : angles) {
        const NumberReading reading = ReadNumber(combo->currentText().toStdString());
        State.input_error_flags[slot] = reading.code;
        *field = DegreesToRadians(reading.value);
        MarkComboBox(combo);
        if (IsMarked(combo))
            State.input_error_flags[slot] = 1;
        ++slot;
    }
}

void TForm_Main::ReadMaterial() {
    MarkComboBox(ComboBox1);
    if (IsMarked(ComboBox1))
        State.input_error_flags[4] = 1;
}

void TForm_Main::ReadConditions() {
    State.diameter = ReadNumberField(Edit3, 5);
    State.depth_of_cut = ReadNumberField(Edit10, 6);
    State.feed = ReadNumberField(Edit11, 7);
    State.spindle_speed[1] = ReadNumberField(Edit12, 8);
    State.spindle_speed[2] = ReadNumberField(Edit13, 9);
    State.spindle_speed[3] = ReadNumberField(Edit14, 10);
    State.allowable_flank_wear = ReadNumberField(Edit2, 29);
}

void TForm_Main::ReadRunningTimes() {
    QLineEdit *const edits[kCutters][kIntervals] = {
        {Edit4, Edit5, Edit6}, {Edit7, Edit9, Edit15}, {Edit22, Edit23, Edit24}};
    int slot = 11;
    for (int i = 1; i <= kCutters; ++i)
        for (int j = 1; j <= kIntervals; ++j)
            State.running_time[i][j] = ReadNumberField(edits[i - 1][j - 1], slot++);
}

void TForm_Main::ReadFlankWear() {
    QLineEdit *const edits[kCutters][kIntervals] = {
        {Edit19, Edit20, Edit21}, {Edit16, Edit17, Edit18}, {Edit25, Edit26, Edit27}};
    int slot = 20;
    for (int i = 1; i <= kCutters; ++i)
        for (int j = 1; j <= kIntervals; ++j)
            State.flank_wear[i][j] = ReadNumberField(edits[i - 1][j - 1], slot++);
}

void TForm_Main::DecideResultButtons() {
    const auto &flags = State.input_error_flags;
    State.input_error_sum = std::accumulate(flags.begin(), flags.begin() + kMainWindowSlots, 0);
    if (State.input_error_sum != 0 || IsMarked(Edit1))
        DisableResultButtons();
    else
        Button2->setEnabled(true);
}

void TForm_Main::WarnAllowableWear(double minimum) {
    DisableResultButtons();
    SetCaption(Form_Warning->Label1,
               QStringLiteral("Мінімальне значення допустимого зношування по задній поверхні ") +
                   ShowNumber(minimum, 5, 2) + QStringLiteral(" мкм."));
    SetCaption(Form_Warning->Label2, QString());
    Form_Warning->ShowModal();
}

void TForm_Main::DisableResultButtons() {
    Button2->setEnabled(false);
    Button3->setEnabled(false);
}

} // namespace kvr
