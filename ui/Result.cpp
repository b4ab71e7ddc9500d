#include "Result.h"

#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "Handler.h"
#include "InputFields.h"
#include "ResultLayout.h"
#include "Warning.h"
#include "Windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr {

TForm_Result::TForm_Result()
    : TFixedForm("Form_Result", QString::fromUtf8("Kelvora \"KVR\". Результати розрахунків"),
                 QPoint(299, 143), QSize(769, 353)) {
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

QLabel *TForm_Result::Label(int number) const {
    return FindControl<QLabel>(this, ("Label" + std::to_string(number)).c_str());
}

bool TForm_Result::FormCanResize(int &, int &) { return false; }

void TForm_Result::ShowCalculation(const std::vector<LabelText> &labels) {
    for (const LabelText &label : labels)
        SetCaption(FindControl<QLabel>(this, label.label.c_str()),
                   QString::fromStdString(label.text));
}

QString TForm_Result::ChosenTime() const { return Edit1->text(); }

void TForm_Result::SetChosenTime(const QString &text) {
    Edit1->setText(text);
    MarkEdit(Edit1, 0);
}

void TForm_Result::Button1Click() {
    const DeterminationOutcome outcome =
        DetermineModels(State, Edit1->text().toStdString(), DecimalSeparator());
    Edit1->setText(QString::fromStdString(outcome.chosenTimeText));
    MarkEdit(Edit1, State.input_error_flags[kChosenTimeSlot]);
    if (outcome.wearModel)
        ShowModel(34, 39, *outcome.wearModel, {35, 36, 37});
    if (outcome.lifeModel)
        ShowModel(41, 46, *outcome.lifeModel, {42, 43, 44});
    emit DeterminationFinished(outcome.graphsAllowed);
    if (outcome.warning)
        Form_Warning->ShowWarning(QString::fromStdString(outcome.warning->first),
                                  QString::fromStdString(outcome.warning->second));
    if (outcome.fault)
        throw ArithmeticFault(*outcome.fault);
}

void TForm_Result::ShowModel(int coefficientLabel, int exponentLabel, const ModelText &model,
                             std::initializer_list<int> symbolicLabels) {
    QLabel *coefficient = Label(coefficientLabel);
    QLabel *exponent = Label(exponentLabel);
    SetCaption(coefficient, QString::fromStdString(model.coefficient));
    SetCaption(exponent, QString::fromStdString(model.exponent));
    // The exponent follows the V directly, raised by its own higher top.
    exponent->move(coefficient->x() + coefficient->width() + 1, exponent->y());
    for (int number : symbolicLabels)
        Label(number)->hide();
}

} // namespace kvr
