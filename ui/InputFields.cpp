#include "InputFields.h"

#include "AccessibleNames.h"
#include "CalculationState.h"
#include "FormatFixed.h"
#include "NumberSyntax.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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

double ReadNumberField(QLineEdit *edit, int slot) {
    QString text = edit->text();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    edit->setText(text);
    const NumberReading reading = ReadNumber(edit->text().toStdString());
    State.input_error_flags.at(static_cast<std::size_t>(slot)) = reading.code;
    MarkEdit(edit, reading.code);
    return reading.value;
}

void SetCaption(QLabel *label, const QString &text) {
    label->setText(text);
    label->adjustSize();
    UpdateSpokenSentences(label);
}

QString ShowNumber(double value, int precision, int decimals) {
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    return QString::fromStdString(FormatFixed(value, precision, decimals, separator));
}

} // namespace kvr
