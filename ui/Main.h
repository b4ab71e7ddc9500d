// The main window: the experiment's input data, the measurements, the student's name,
// and the buttons that calculate and open the other windows.
#pragma once

#include "FixedForm.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvr {

class TForm_Main : public TFixedForm {
    Q_OBJECT
public:
    TForm_Main();

    // "Розрахувати": reads every field, calculates, fills the results window.
    void Button1Click();
    // "Результати розрахунків", "Графіки", "&Допомога": show their windows.
    void Button2Click();
    void Button3Click();
    void BitBtn1Click();

    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr,
              *GroupBox4 = nullptr, *GroupBox5 = nullptr, *GroupBox6 = nullptr,
              *GroupBox7 = nullptr, *GroupBox8 = nullptr, *GroupBox9 = nullptr,
              *GroupBox10 = nullptr;
    QLabel *Label3 = nullptr, *Label6 = nullptr, *Image1 = nullptr;
    QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr,
              *ComboBox4 = nullptr, *ComboBox5 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr,
              *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr, *Edit9 = nullptr,
              *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr, *Edit13 = nullptr,
              *Edit14 = nullptr, *Edit15 = nullptr, *Edit16 = nullptr, *Edit17 = nullptr,
              *Edit18 = nullptr, *Edit19 = nullptr, *Edit20 = nullptr, *Edit21 = nullptr,
              *Edit22 = nullptr, *Edit23 = nullptr, *Edit24 = nullptr, *Edit25 = nullptr,
              *Edit26 = nullptr, *Edit27 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *BitBtn1 = nullptr;

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void FillLists();
    void SetTabOrder();
    void ConnectHandlers();

    void ReadUserName();
    void ReadAngles();
    void ReadMaterial();
    void ReadConditions();
    void ReadRunningTimes();
    void ReadFlankWear();
    void DecideResultButtons();
    void WarnAllowableWear(double minimum);
    void DisableResultButtons();
};

} // namespace kvr
