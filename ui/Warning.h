// The modal warning window: a warning picture, two lines of text set by the caller, and
// "Добре". It fits its width to the longer line and centres the button on every showing.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QShowEvent;

namespace kvr {

class TForm_Warning : public QDialog {
    Q_OBJECT
public:
    TForm_Warning();
    // Callers set Label1 and Label2 with SetCaption first; returns when the window closes.
    int ShowModal() { return exec(); }

    QPushButton *Button1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Image1 = nullptr;

    void FormShow();
    void Button1Click();

    // Left edge that centres a control of `width` in `outerWidth`, halves to the even side.
    static int CentredLeft(int outerWidth, int width);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace kvr
