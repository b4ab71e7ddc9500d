// The main window: the experiment's input data, the measurements, the student's name,
// and the buttons that calculate and open the other windows.
#pragma once

#include "Experiment.h"
#include "FixedForm.h"
#include "RunStatus.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvr {

// The main window's controls by what they are for.
struct MainControls {
    QLineEdit *studentName = nullptr;
    // By slot: a list (QComboBox) or a typed number (QLineEdit).
    std::array<QWidget *, kMainWindowSlots> inputs{};
    QLabel *nameAccepted = nullptr; // the check mark beside the name
    QPushButton *calculate = nullptr;
    QPushButton *results = nullptr;
    QPushButton *graphs = nullptr;
    QPushButton *help = nullptr;
};

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
    // Every field in the window colour and no check mark, as at start-up.
    void ClearMarks();
    const MainControls &Controls() const { return m_controls; }

signals:
    void CalculationShown(const std::vector<kvr::LabelText> &labels);
    void ResultsWindowRequested();
    void GraphsWindowRequested();
    void HelpWindowRequested();
    // A file's texts now stand in the fields; the other windows start afresh.
    void ExperimentOpened();
    // A field's text or choice changed, by the person or by the program.
    void FieldsEdited();
    void WarningRaised(const QString &first, const QString &second);

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void FillLists();
    void ConnectHandlers();

    void ShowFields(const CalculationOutcome &outcome);
    void AddExperimentActions();
    void ShowFieldTexts(const ExperimentTexts &texts);
    // Whether unsaved edits may go: saved, given up, or none.
    bool MayLeaveEdits();

    Experiment &m_experiment;
    MainControls m_controls;
};

} // namespace kvr
