#include "InputFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace kvr {

// Unmarked controls go back to the application palette: the window colour.
static void Paint(QWidget *control, bool marked) {
    QPalette palette;
    if (marked) {
        palette.setColor(QPalette::Base, clInputError);
        // A closed drop-down list shows its text on the button colour.
        palette.setColor(QPalette::Button, clInputError);
    }
    control->setPalette(palette);
}

void MarkEdit(QLineEdit *edit, int code) { Paint(edit, code != 0); }

void MarkComboBox(QComboBox *combo) { Paint(combo, combo->currentIndex() < 0); }

bool IsMarked(const QWidget *control) {
    return control->palette().color(QPalette::Base) == clInputError;
}

void SetCaption(QLabel *label, const QString &text) {
    label->setText(text);
    label->adjustSize();
}

} // namespace kvr
