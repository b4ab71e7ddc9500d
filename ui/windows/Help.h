// The help window: a static explanation of the exercise and a drawing of the cutter's tip
// with its two kinds of wear. It has no handlers; closing it only hides it.
#pragma once

#include "FixedForm.h"

class QLabel;

namespace kvr {

class TForm_Help : public TFixedForm {
    Q_OBJECT
public:
    TForm_Help();
    // The label that shows the help text, as flowed for the window.
    QLabel *TextLabel() const { return Label1; }

private:
    QLabel *Label1 = nullptr;
    QLabel *Image2 = nullptr;
};

// The help text: 26 lines joined by "\n", with their paragraph indents and trailing blanks.
QString HelpText();

} // namespace kvr
