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

// A model's formula on the window: what a determination writes and the symbols it hides.
struct FormulaControls {
    QLabel *lead = nullptr; // the letter the formula starts with
    QLabel *coefficient = nullptr;
    QLabel *exponent = nullptr;
    QLabel *symbols[3] = {};
};

// The results window's controls by what they are for.
struct ResultControls {
    QLineEdit *chosenTime = nullptr;
    QPushButton *determine = nullptr;
    QLabel *student = nullptr;
    QLabel *allowableWear = nullptr;
    QLabel *notes = nullptr; // "Зверніть увагу: …", its whole line in the tool tip
    struct Cutter {
        QLabel *speed = nullptr;
        QLabel *total = nullptr;
        QLabel *wear[kIntervals] = {}; // after intervals 1..3
    } cutters[kCutters];
    FormulaControls wearModel;
    FormulaControls lifeModel;

    // The label that shows `item`.
    QLabel *Showing(const ResultItem &item) const;
};

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

    // An opened experiment: its τ_д unmarked and the models group as at start-up.
    void StartAnew();
    // What the student should look at in the run shown: the notes of the group's check on
    // it, after a mark when the main window's fields are no longer the ones it read.
    void ShowNotes(bool recalculated);
    // Whether the fields still hold what the results shown were calculated from.
    bool Recalculated() const { return m_recalculated; }
    const ResultControls &Controls() const { return m_controls; }

signals:
    void WarningRaised(const QString &first, const QString &second);
    // Its labels show new texts: the sentences a screen reader reads of them follow.
    void LabelsShown();

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;

private:
    void BuildControls();
    void ShowStudent(const LabelText &label);
    void ShowModel(const FormulaControls &formula, const ModelText &model);
    void RetireModel(const FormulaLabels &names, const FormulaControls &formula);

    Experiment &m_experiment;
    ResultControls m_controls;
    bool m_recalculated = true;
};

} // namespace kvr
