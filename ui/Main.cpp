#include "Main.h"

#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "Handler.h"
#include "InputControls.h"
#include "InputFields.h"
#include "JpegImage.h"
#include "MainLayout.h"
#include "Warning.h"
#include "Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <iterator>

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
    Image1 = form.Get<QLabel>("Image1");
    for (auto [member, name] : {std::pair{&ComboBox1, "ComboBox1"},
                                {&ComboBox2, "ComboBox2"},
                                {&ComboBox3, "ComboBox3"},
                                {&ComboBox4, "ComboBox4"},
                                {&ComboBox5, "ComboBox5"}})
        *member = form.Get<QComboBox>(name);
    Edit1 = form.Get<QLineEdit>("Edit1");
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
    const char *const order[] = {
        "Button1",   "Edit1",     "Button2",   "Button3", "ComboBox1", "Edit3",  "ComboBox2",
        "ComboBox3", "ComboBox4", "ComboBox5", "Edit10",  "Edit11",    "Edit12", "Edit13",
        "Edit14",    "Edit2",     "Edit4",     "Edit5",   "Edit6",     "Edit19", "Edit20",
        "Edit21",    "Edit7",     "Edit9",     "Edit15",  "Edit16",    "Edit17", "Edit18",
        "Edit22",    "Edit23",    "Edit24",    "Edit25",  "Edit26",    "Edit27", "BitBtn1",
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(FindControl<QWidget>(this, order[i - 1]),
                             FindControl<QWidget>(this, order[i]));
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

void TForm_Main::Button2Click() { emit ResultsWindowRequested(); }

void TForm_Main::Button3Click() { emit GraphsWindowRequested(); }

void TForm_Main::BitBtn1Click() { emit HelpWindowRequested(); }

void TForm_Main::Button1Click() {
    const CalculationInputs inputs = ReadInputs();
    const CalculationOutcome outcome = RunCalculation(State, inputs);
    RecordCalculation(Runs, inputs, outcome);
    ShowFields(outcome);
    emit CalculationShown(outcome.labels);
    emit RunChanged();
    if (outcome.warning)
        Form_Warning->ShowWarning(QString::fromStdString(outcome.warning->first),
                                  QString::fromStdString(outcome.warning->second));
    if (outcome.fault)
        throw ArithmeticFault(*outcome.fault);
}

CalculationInputs TForm_Main::ReadInputs() const {
    CalculationInputs inputs;
    inputs.userName = Edit1->text().toStdString();
    inputs.separator = DecimalSeparator();
    for (const InputField &field : kInputFields) {
        FieldInput &input = inputs.fields[static_cast<std::size_t>(field.slot)];
        if (field.kind == InputKind::Number) {
            input.text =
                FindControl<QLineEdit>(this, InputControl(field.slot))->text().toStdString();
        } else {
            const auto *combo = FindControl<QComboBox>(this, InputControl(field.slot));
            input.text = combo->currentText().toStdString();
            input.selected = combo->currentIndex() >= 0;
        }
    }
    return inputs;
}

void TForm_Main::ShowFields(const CalculationOutcome &outcome) {
    MarkEdit(Edit1, outcome.nameGiven ? 0 : 1);
    Image1->setVisible(outcome.nameGiven);
    for (const FieldRead &read : outcome.fields) {
        if (read.field->kind == InputKind::Number) {
            auto *edit = FindControl<QLineEdit>(this, InputControl(read.field->slot));
            edit->setText(QString::fromStdString(read.text));
            MarkEdit(edit, State.input_error_flags[static_cast<std::size_t>(read.field->slot)]);
        } else {
            MarkComboBox(FindControl<QComboBox>(this, InputControl(read.field->slot)));
        }
    }
}

void TForm_Main::ApplyButtons(const AllowedButtons &allowed) {
    Button2->setEnabled(allowed.results);
    Button3->setEnabled(allowed.graphs);
}

} // namespace kvr
