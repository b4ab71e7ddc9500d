// The results window: what "Розрахувати" computed per cutter, the allowable dimensional
// wear, and the determination of the two power-law models at a chosen running time.
#pragma once

#include "CalculationRun.h"
#include "FixedForm.h"

#include <initializer_list>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvr {

class TForm_Result : public TFixedForm {
    Q_OBJECT
public:
    TForm_Result();

    // "Визначити параметри": the model parameters at the chosen running time.
    void Button1Click();

    // A calculation's results: each label gets its new text.
    void ShowCalculation(const std::vector<kvr::LabelText> &labels);

    // The chosen running time τ_д as typed; an experiment file keeps and restores it.
    QString ChosenTime() const;
    void SetChosenTime(const QString &text);

signals:
    // Whether the determination just made allows the graphs.
    void DeterminationFinished(bool graphsAllowed);

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;

private:
    void BuildControls();
    QLabel *Label(int number) const;
    void ShowModel(int coefficientLabel, int exponentLabel, const ModelText &model,
                   std::initializer_list<int> symbolicLabels);

    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
};

} // namespace kvr
