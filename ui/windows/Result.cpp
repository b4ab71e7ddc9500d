#include "Result.h"

#include "CalculationState.h"
#include "CheckNotes.h"
#include "Handler.h"
#include "InputFields.h"
#include "MessageBoxes.h"
#include "ResultLayout.h"
#include "Titles.h"
#include "TranslatedTexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr {

namespace {

FormulaControls FormulaOf(const FormBuilder &form, const FormulaLabels &names) {
    FormulaControls formula{form.Get<QLabel>(names.lead), form.Get<QLabel>(names.coefficient),
                            form.Get<QLabel>(names.exponent)};
    for (int i = 0; i < 3; ++i)
        formula.symbols[i] = form.Get<QLabel>(names.symbols[i]);
    return formula;
}

} // namespace

QLabel *ResultControls::Showing(const ResultItem &item) const {
    return PickResultLabel(item, cutters, student, allowableWear);
}

TForm_Result::TForm_Result(Experiment &experiment)
    : TFixedForm("Form_Result", WindowTitle(kResultWindowWords), QPoint(299, 143), QSize(769, 353)),
      m_experiment(experiment) {
    BuildControls();
    ConnectHandler(m_controls.determine, &QPushButton::clicked, this, &TForm_Result::Button1Click);
    // Enter in τд presses "Визначити параметри", as typing a value and confirming it means.
    ConnectHandler(m_controls.chosenTime, &QLineEdit::returnPressed, this,
                   &TForm_Result::Button1Click);
    // The experiment holds τ_д as typed; the box only shows it.
    m_experiment.SetChosenTime(m_controls.chosenTime->text());
    connect(m_controls.chosenTime, &QLineEdit::textChanged, &m_experiment,
            &Experiment::SetChosenTime);
    ApplyResizePolicy();
}

void TForm_Result::BuildControls() {
    FormBuilder form(this);
    form.Build(ResultWindowLayout());
    ResultControls &c = m_controls;
    c.chosenTime = form.Get<QLineEdit>("Edit1");
    c.determine = form.Get<QPushButton>("Button1");
    c.student = form.Get<QLabel>(kStudentLabel);
    c.allowableWear = form.Get<QLabel>(kAllowableWearLabel);
    c.notes = form.Get<QLabel>(kNotesLabel);
    c.notes->hide();
    for (int i = 0; i < kCutters; ++i) {
        c.cutters[i].speed = form.Get<QLabel>(kCutterLabels[i].speed);
        c.cutters[i].total = form.Get<QLabel>(kCutterLabels[i].total);
        for (int j = 0; j < kIntervals; ++j)
            c.cutters[i].wear[j] = form.Get<QLabel>(kCutterLabels[i].wear[j]);
    }
    c.wearModel = FormulaOf(form, kWearFormula);
    c.lifeModel = FormulaOf(form, kLifeFormula);
    QWidget::setTabOrder(form.Get<QGroupBox>("GroupBox1"), form.Get<QGroupBox>("GroupBox2"));
    QWidget::setTabOrder(form.Get<QGroupBox>("GroupBox2"), form.Get<QGroupBox>("GroupBox3"));
    QWidget::setTabOrder(form.Get<QGroupBox>("GroupBox3"), c.chosenTime);
    QWidget::setTabOrder(c.chosenTime, c.determine);
}

bool TForm_Result::FormCanResize(int &, int &) { return false; }

void TForm_Result::ShowCalculation(const std::vector<LabelText> &labels) {
    for (const LabelText &label : labels)
        if (label.item.kind == ResultKind::Student)
            ShowStudent(label);
        else
            SetCaption(m_controls.Showing(label.item), LabelCaption(label));
    RetireModel(kWearFormula, m_controls.wearModel);
    RetireModel(kLifeFormula, m_controls.lifeModel);
    emit LabelsShown();
}

// A name too long for its line stops short of "Перевірив:"; its tooltip holds it whole.
void TForm_Result::ShowStudent(const LabelText &label) {
    constexpr int kGap = 8;
    const int room =
        ResultWindowRow(kInstructorLabel).left - ResultWindowRow(kStudentLabel).left - kGap;
    QLabel *student = m_controls.student;
    const QString caption = LabelCaption(label);
    const QString shown = student->fontMetrics().elidedText(caption, Qt::ElideRight, room);
    SetCaption(student, shown);
    student->setToolTip(shown == caption ? QString() : QString::fromStdString(label.value));
}

void TForm_Result::ApplyButtons(const AllowedButtons &allowed) {
    m_controls.determine->setEnabled(allowed.determine);
}

void TForm_Result::StartAnew() {
    m_controls.chosenTime->setText(m_experiment.ChosenTime());
    MarkField(m_controls.chosenTime, {});
    RetireModel(kWearFormula, m_controls.wearModel);
    RetireModel(kLifeFormula, m_controls.lifeModel);
    emit LabelsShown();
}

void TForm_Result::ShowNotes(bool recalculated) {
    m_recalculated = recalculated;
    const QString line = NotesLine(m_experiment, recalculated);
    QLabel *label = m_controls.notes;
    label->setToolTip(line);
    label->setText(label->fontMetrics().elidedText(line, Qt::ElideRight, label->width()));
    label->setVisible(!line.isEmpty());
    emit LabelsShown();
}

void TForm_Result::Button1Click() {
    const DeterminationOutcome outcome =
        m_experiment.Determine(m_experiment.ChosenTime().toStdString(), DecimalSeparator());
    m_controls.chosenTime->setText(m_experiment.ChosenTime());
    MarkField(m_controls.chosenTime, ProblemWords(outcome.chosenTimeProblem));
    if (outcome.wearModel)
        ShowModel(m_controls.wearModel, *outcome.wearModel);
    if (outcome.lifeModel)
        ShowModel(m_controls.lifeModel, *outcome.lifeModel);
    emit LabelsShown();
    if (outcome.warning) {
        const WarningLines lines = WarningWindowLines(*outcome.warning);
        emit WarningRaised(lines.first, lines.second);
    }
    ShowPressFault(outcome.fault, outcome.faultCause);
}

void TForm_Result::ShowModel(const FormulaControls &formula, const ModelText &model) {
    SetCaption(formula.coefficient, QString::fromStdString(CoefficientCaption(model)));
    SetCaption(formula.exponent, QString::fromStdString(model.exponent));
    // The exponent follows the V directly, raised by its own higher top.
    formula.exponent->move(formula.coefficient->x() + formula.coefficient->width() + 1,
                           formula.exponent->y());
    for (QLabel *symbol : formula.symbols)
        symbol->hide();
}

// The formula as the window was designed: its symbols, and the exponent in its place.
void TForm_Result::RetireModel(const FormulaLabels &names, const FormulaControls &formula) {
    for (auto [name, label] :
         {std::pair{names.coefficient, formula.coefficient}, {names.exponent, formula.exponent}}) {
        const ControlRow &row = ResultWindowRow(name);
        SetCaption(label, ControlText(row));
        label->move(row.left, row.top);
    }
    for (QLabel *symbol : formula.symbols)
        symbol->show();
}

} // namespace kvr
