// The modal warning window: a warning picture, two lines of text given by the caller, and
// "Добре". It fits its width to the longer line and centres the button on every showing.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QShowEvent;

namespace kvr {

// The warning window's controls by what they are for.
struct WarningControls {
    QPushButton *ok = nullptr;
    QLabel *first = nullptr;
    QLabel *second = nullptr;
    QLabel *picture = nullptr;
};

class TForm_Warning : public QDialog {
    Q_OBJECT
public:
    TForm_Warning();
    // Shows the two lines modally; returns when the window closes.
    void ShowWarning(const QString &first, const QString &second);

    void FormShow();
    void Button1Click();

    // Left edge that centres a control of `width` in `outerWidth`, halves to the even side.
    static int CentredLeft(int outerWidth, int width);
    const WarningControls &Controls() const { return m_controls; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    WarningControls m_controls;
};

} // namespace kvr
