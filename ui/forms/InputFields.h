// Marking a field that cannot be read, label captions and the locale's decimal separator,
// shared by the main and results windows.
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

// A label sizes itself to its text.
void SetCaption(QLabel *label, const QString &text);

} // namespace kvr
