#include "InputFields.h"

#include <QLabel>
#include <QPalette>
#include <QVariant>

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

// The words a field had before it was marked, kept on the field until it is read again.
static constexpr const char *kUnmarkedToolTip = "kvrUnmarkedToolTip";
static constexpr const char *kUnmarkedDescription = "kvrUnmarkedDescription";

// The colour alone tells nothing to a screen reader or to a colour-blind student.
static void Explain(QWidget *control, const QString &why) {
    const bool marked = control->property(kUnmarkedToolTip).isValid();
    if (!why.isEmpty() && !marked) {
        control->setProperty(kUnmarkedToolTip, control->toolTip());
        control->setProperty(kUnmarkedDescription, control->accessibleDescription());
    }
    if (!why.isEmpty()) {
        control->setToolTip(why);
        control->setAccessibleDescription(why);
    } else if (marked) {
        control->setToolTip(control->property(kUnmarkedToolTip).toString());
        control->setAccessibleDescription(control->property(kUnmarkedDescription).toString());
        control->setProperty(kUnmarkedToolTip, QVariant());
        control->setProperty(kUnmarkedDescription, QVariant());
    }
}

void MarkField(QWidget *control, const QString &why) {
    Paint(control, !why.isEmpty());
    Explain(control, why);
}

bool IsMarked(const QWidget *control) {
    return control->palette().color(QPalette::Base) == clInputError;
}

void SetCaption(QLabel *label, const QString &text) {
    label->setText(text);
    label->adjustSize();
}

} // namespace kvr
