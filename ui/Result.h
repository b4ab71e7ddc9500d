// The results window: what "Розрахувати" computed per cutter, the allowable dimensional
// wear, and the determination of the two power-law models at a chosen running time.
#pragma once

#include "Experiment.h"
#include "FixedForm.h"
#include "ResultLabels.h"
#include "RunStatus.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvr {

class TForm_Result : public TFixedForm {
    Q_OBJECT
public:
    explicit TForm_Result(kvr::Experiment &experiment);

    // "Визначити параметри": the model parameters at the chosen running time.
    void Button1Click();

    // A calculation's results: each label gets its new text, and the models of the run
    // before are retired.
    void ShowCalculation(const std::vector<kvr::LabelText> &labels);

    // "Визначити параметри" and the copy as the run allows them.
    void ApplyButtons(const kvr::AllowedButtons &allowed);

    // The chosen running time τ_д as typed, which an experiment file keeps.
    QString ChosenTime() const;
    // An opened experiment: its τ_д unmarked and the models group as at start-up.
    void StartAnew(const QString &chosenTime);

signals:
    // The run's status changed: the buttons that use results follow it.
    void RunChanged();

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;

private:
    void BuildControls();
    QLabel *Label(const char *name) const;
    void ShowModel(const FormulaLabels &formula, const ModelText &model);
    void RetireModel(const FormulaLabels &formula);

    Experiment &m_experiment;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
};

} // namespace kvr
