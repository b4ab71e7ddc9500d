// The main window: the experiment's input data, the measurements, the student's name,
// and the buttons that calculate and open the other windows.
#pragma once

#include "Experiment.h"
#include "FixedForm.h"
#include "RunStatus.h"

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvr {

class TForm_Main : public TFixedForm {
    Q_OBJECT
public:
    explicit TForm_Main(kvr::Experiment &experiment);

    // "Розрахувати": reads every field, calculates, has the results window show it.
    void Button1Click();
    // "Результати розрахунків", "Графіки", "&Допомога": ask for their windows.
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();

    // "Результати розрахунків" and "Графіки" as the run allows them.
    void ApplyButtons(const kvr::AllowedButtons &allowed);

    // Experiment files: opening checks the whole file first, so a bad file is reported and
    // changes nothing. Both return whether they succeeded.
    bool OpenExperiment(const QString &path);
    bool SaveExperiment(const QString &path);
    // "Відкрити дослід…" and "Зберегти дослід…" with their dialogs; unsaved edits are
    // asked about before an opening replaces them.
    void OpenExperimentAsked();
    bool SaveExperimentAsked();
    // The texts Ctrl+S would write now.
    kvr::ExperimentTexts FieldTexts() const;
    // Where saving finds the results window's chosen running time.
    void SetChosenTimeSource(std::function<QString()> source);
    // Every field in the window colour and no check mark, as at start-up.
    void ClearMarks();

signals:
    void CalculationShown(const std::vector<kvr::LabelText> &labels);
    // The run's status changed: the buttons that use results follow it.
    void RunChanged();
    void ResultsWindowRequested();
    void GraphsWindowRequested();
    void HelpWindowRequested();
    // A file's texts now stand in the fields; the other windows take τ_д and start afresh.
    void ExperimentOpened(const QString &chosenTime);

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void FillLists();
    void SetTabOrder();
    void ConnectHandlers();

    void ShowFields(const CalculationOutcome &outcome);
    void AddExperimentActions();
    void ShowFieldTexts(const ExperimentTexts &texts);
    // Whether unsaved edits may go: saved, given up, or none.
    bool MayLeaveEdits();

    Experiment &m_experiment;
    std::function<QString()> m_chosenTime;

    QLabel *Image1 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr,
              *ComboBox4 = nullptr, *ComboBox5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *BitBtn1 = nullptr;
};

} // namespace kvr
