#include "Result.h"

#include "ArithmeticFault.h"
#include "CalculationState.h"
#include "Handler.h"
#include "InputFields.h"
#include "Main.h"
#include "ModelFit.h"
#include "ResultLayout.h"
#include "Warning.h"
#include "WearCalculation.h"
#include "Windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr {

namespace {

// Per cutter: speed label, total-time label, wear labels after intervals 1..3.
struct CutterLabels {
    int speed;
    int total;
    int wear[kIntervals];
};
constexpr CutterLabels kCutterLabels[kCutters] = {
    {6, 3, {13, 14, 15}}, {8, 7, {9, 10, 11}}, {24, 23, {25, 26, 27}}};

constexpr int kAllowableWearLabel = 31;
constexpr int kStudentLabel = 50;

} // namespace

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
    for (auto [member, name] : {std::pair{&GroupBox1, "GroupBox1"},
                                {&GroupBox2, "GroupBox2"},
                                {&GroupBox3, "GroupBox3"},
                                {&GroupBox4, "GroupBox4"},
                                {&GroupBox5, "GroupBox5"},
                                {&GroupBox6, "GroupBox6"},
                                {&GroupBox7, "GroupBox7"}})
        *member = form.Get<QGroupBox>(name);
    Edit1 = form.Get<QLineEdit>("Edit1");
    Button1 = form.Get<QPushButton>("Button1");
    for (QLabel *label : findChildren<QLabel *>()) {
        bool isNumber = false;
        const int number = label->objectName().mid(5).toInt(&isNumber);
        if (label->objectName().startsWith(QLatin1String("Label")) && isNumber)
            Labels[number] = label;
    }
    QWidget::setTabOrder(GroupBox1, GroupBox2);
    QWidget::setTabOrder(GroupBox2, GroupBox3);
    QWidget::setTabOrder(GroupBox3, Edit1);
    QWidget::setTabOrder(Edit1, Button1);
}

bool TForm_Result::FormCanResize(int &, int &) { return false; }

void TForm_Result::SetStudentLine(const QString &text) { SetCaption(Label(kStudentLabel), text); }

void TForm_Result::WriteCalculationLabels() {
    const QString wearPrefix = QStringLiteral("h       = ");
    for (int i = 1; i <= kCutters; ++i) {
        const CutterLabels &labels = kCutterLabels[i - 1];
        SetCaption(Label(labels.speed), QStringLiteral("V = ") +
                                            ShowNumber(State.cutting_speed[i], 10, 2) +
                                            QStringLiteral(" м/хв."));
        SetCaption(Label(labels.total),
                   ShowNumber(TotalRunningTime(State, i), 3, 2) + QStringLiteral(" хв."));
        for (int j = 1; j <= kIntervals; ++j)
            SetCaption(Label(labels.wear[j - 1]),
                       wearPrefix + ShowNumber(State.dimensional_wear[i][j], 3, 2) +
                           QStringLiteral(" мкм"));
    }
    SetCaption(Label(kAllowableWearLabel), QStringLiteral("[h  ] = ") +
                                               ShowNumber(State.allowable_dimensional_wear, 3, 2) +
                                               QStringLiteral(" мкм"));
}

void TForm_Result::Button1Click() {
    State.chosen_time = ReadNumberField(Edit1, kChosenTimeSlot);
    ComputeTimeSpan(State);
    if (!ChosenTimeInSpan(State)) {
        WarnOutOfSpan();
        return;
    }
    try {
        ComputeWearAtChosenTime(State);
        ComputeToolLife(State);
        FitWearModel(State);
        ShowWearModel();
        FitLifeModel(State);
        ShowLifeModel();
    } catch (const ArithmeticFault &) {
        // Graphs of this determination would mix new and old values.
        Form_Main->Button3->setEnabled(false);
        throw;
    }
    Form_Main->Button3->setEnabled(State.input_error_flags[kChosenTimeSlot] == 0);
}

void TForm_Result::WarnOutOfSpan() {
    Form_Main->Button3->setEnabled(false);
    SetCaption(Form_Warning->Label1,
               QStringLiteral("Значення довільного часу оброблення не повинно виходити"));
    SetCaption(Form_Warning->Label2,
               QStringLiteral("за межі часу проведення експерименту на 15% (") +
                   ShowNumber(SpanLowerBound(State), 5, 1) + QStringLiteral(" - ") +
                   ShowNumber(SpanUpperBound(State), 5, 1) + QStringLiteral(") хв."));
    Form_Warning->ShowModal();
}

void TForm_Result::ShowWearModel() {
    ShowModel(Label(34), Label(39), ShowNumber(State.wear_model_coefficient, 5, 3),
              State.wear_model_exponent, {35, 36, 37});
}

void TForm_Result::ShowLifeModel() {
    ShowModel(Label(41), Label(46), ShowNumber(State.life_model_coefficient, 10, 0),
              State.life_model_exponent, {42, 43, 44});
}

void TForm_Result::ShowModel(QLabel *coefficient, QLabel *exponent, const QString &coefficientText,
                             double exponentValue, std::initializer_list<int> symbolicLabels) {
    SetCaption(coefficient, QStringLiteral("= ") + coefficientText + QStringLiteral("V"));
    SetCaption(exponent, ShowNumber(exponentValue, 5, 3));
    // The exponent follows the V directly, raised by its own higher top.
    exponent->move(coefficient->x() + coefficient->width() + 1, exponent->y());
    for (int number : symbolicLabels)
        Label(number)->hide();
}

} // namespace kvr
