// The results window: what "Розрахувати" computed per cutter, the allowable dimensional
// wear, and the determination of the two power-law models at a chosen running time.
#pragma once

#include "FixedForm.h"

class QGroupBox;
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

    // The sixteen labels of speeds, totals, dimensional wear and allowable wear.
    void WriteCalculationLabels();
    // "Виконав: " and the student's name.
    void SetStudentLine(const QString &text);

    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr,
              *GroupBox4 = nullptr, *GroupBox5 = nullptr, *GroupBox6 = nullptr,
              *GroupBox7 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    // Label1 .. Label52 by number; index 0 is unused.
    QLabel *Labels[53] = {};

    QLabel *Label(int number) const { return Labels[number]; }

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;

private:
    void BuildControls();
    void WarnOutOfSpan();
    void ShowWearModel();
    void ShowLifeModel();
    void ShowModel(QLabel *coefficient, QLabel *exponent, const QString &coefficientText,
                   double exponentValue, std::initializer_list<int> symbolicLabels);
};

} // namespace kvr
