// The main window: the experiment's input data, the measurements, the student's name,
// and the buttons that calculate and open the other windows.
#pragma once

#include "FixedForm.h"
#include "RunStatus.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvr {

class TForm_Main : public TFixedForm {
    Q_OBJECT
public:
    TForm_Main();

    // "Розрахувати": reads every field, calculates, has the results window show it.
    void Button1Click();
    // "Результати розрахунків", "Графіки", "&Допомога": ask for their windows.
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();

    // "Результати розрахунків" and "Графіки" as the run allows them.
    void ApplyButtons(const kvr::AllowedButtons &allowed);

signals:
    void CalculationShown(const std::vector<kvr::LabelText> &labels);
    // The run's status changed: the buttons that use results follow it.
    void RunChanged();
    void ResultsWindowRequested();
    void GraphsWindowRequested();
    void HelpWindowRequested();

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void FillLists();
    void SetTabOrder();
    void ConnectHandlers();

    CalculationInputs ReadInputs() const;
    void ShowFields(const CalculationOutcome &outcome);

    QLabel *Image1 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr,
              *ComboBox4 = nullptr, *ComboBox5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *BitBtn1 = nullptr;
};

} // namespace kvr
