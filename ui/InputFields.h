// Reading a numeric field and marking one that cannot be read, shared by the main and
// results windows.
#pragma once

#include <QColor>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kvr {

inline const QColor clInputError(205, 92, 92);

// Paints the edit clInputError for a non-zero conversion result, the window colour for 0.
void MarkEdit(QLineEdit *edit, int code);
// Paints the list clInputError when nothing is selected.
void MarkComboBox(QComboBox *combo);
// Whether a control is currently painted clInputError.
bool IsMarked(const QWidget *control);

// Commas to points (written back into the edit), conversion into input_error_flags[slot],
// marking; returns the number read (0 when unreadable).
double ReadNumberField(QLineEdit *edit, int slot);

// A label sizes itself to its text.
void SetCaption(QLabel *label, const QString &text);

// A number as the user is shown it: FormatFixed with the locale's decimal separator.
QString ShowNumber(double value, int precision, int decimals);

} // namespace kvr
