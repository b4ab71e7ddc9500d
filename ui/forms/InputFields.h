// Marking a field that cannot be read and saying why, label captions and the locale's decimal
// separator, shared by the main and results windows.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace kvr {

inline const QColor clInputError(205, 92, 92);

// Paints a field clInputError and lets its tooltip and accessible description say `why`; an
// empty `why` paints it the window colour and gives it back the tooltip and description it
// had before it was marked.
void MarkField(QWidget *control, const QString &why);
// Whether a control is currently painted clInputError.
bool IsMarked(const QWidget *control);

// A label sizes itself to its text.
void SetCaption(QLabel *label, const QString &text);

} // namespace kvr
