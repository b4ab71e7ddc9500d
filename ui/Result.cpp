#include "Result.h"

#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "Handler.h"
#include "InputFields.h"
#include "ReportActions.h"
#include "ResultLayout.h"
#include "ShownTexts.h"
#include "Warning.h"
#include "Windows.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr {

TForm_Result::TForm_Result(Experiment &experiment)
    : TFixedForm("Form_Result", WindowTitle(kResultWindowWords), QPoint(299, 143), QSize(769, 353)),
      m_experiment(experiment) {
    BuildControls();
    ConnectHandler(Button1, &QPushButton::clicked, this, &TForm_Result::Button1Click);
    ApplyResizePolicy();
}

void TForm_Result::BuildControls() {
    FormBuilder form(this);
    form.Build(ResultWindowLayout());
    Edit1 = form.Get<QLineEdit>("Edit1");
    Button1 = form.Get<QPushButton>("Button1");
    QWidget::setTabOrder(form.Get<QGroupBox>("GroupBox1"), form.Get<QGroupBox>("GroupBox2"));
    QWidget::setTabOrder(form.Get<QGroupBox>("GroupBox2"), form.Get<QGroupBox>("GroupBox3"));
    QWidget::setTabOrder(form.Get<QGroupBox>("GroupBox3"), Edit1);
    QWidget::setTabOrder(Edit1, Button1);
}

QLabel *TForm_Result::Label(const char *name) const { return FindControl<QLabel>(this, name); }

bool TForm_Result::FormCanResize(int &, int &) { return false; }

void TForm_Result::ShowCalculation(const std::vector<LabelText> &labels) {
    for (const LabelText &label : labels)
        SetCaption(Label(ResultLabel(label.item)), LabelCaption(label));
    RetireModel(kWearFormula);
    RetireModel(kLifeFormula);
}

void TForm_Result::ApplyButtons(const AllowedButtons &allowed) {
    Button1->setEnabled(allowed.determine);
    for (const char *name : kTakeAwayActions)
        if (auto *action = findChild<QAction *>(QString::fromLatin1(name)))
            action->setEnabled(allowed.copy);
}

QString TForm_Result::ChosenTime() const { return Edit1->text(); }

void TForm_Result::StartAnew(const QString &chosenTime) {
    Edit1->setText(chosenTime);
    MarkEdit(Edit1, 0);
    RetireModel(kWearFormula);
    RetireModel(kLifeFormula);
}

void TForm_Result::Button1Click() {
    const DeterminationOutcome outcome =
        m_experiment.Determine(Edit1->text().toStdString(), DecimalSeparator());
    Edit1->setText(QString::fromStdString(outcome.chosenTimeText));
    MarkEdit(Edit1, State.input_error_flags[kChosenTimeSlot]);
    if (outcome.wearModel)
        ShowModel(kWearFormula, *outcome.wearModel);
    if (outcome.lifeModel)
        ShowModel(kLifeFormula, *outcome.lifeModel);
    emit RunChanged();
    if (outcome.warning) {
        const WarningLines lines = ShownWarning(*outcome.warning);
        Form_Warning->ShowWarning(lines.first, lines.second);
    }
    if (outcome.fault)
        ShowFaultBox(QString::fromStdString(*outcome.fault), ShownCause(outcome.faultCause));
}

void TForm_Result::ShowModel(const FormulaLabels &formula, const ModelText &model) {
    QLabel *coefficient = Label(formula.coefficient);
    QLabel *exponent = Label(formula.exponent);
    SetCaption(coefficient, QString::fromStdString(CoefficientCaption(model)));
    SetCaption(exponent, QString::fromStdString(model.exponent));
    // The exponent follows the V directly, raised by its own higher top.
    exponent->move(coefficient->x() + coefficient->width() + 1, exponent->y());
    for (const char *symbol : formula.symbols)
        Label(symbol)->hide();
}

// The formula as the window was designed: its symbols, and the exponent in its place.
void TForm_Result::RetireModel(const FormulaLabels &formula) {
    for (const char *name : {formula.coefficient, formula.exponent}) {
        const ControlRow &row = ResultWindowRow(name);
        QLabel *label = Label(name);
        SetCaption(label, ControlText(row));
        label->move(row.left, row.top);
    }
    for (const char *symbol : formula.symbols)
        Label(symbol)->show();
}

} // namespace kvr
