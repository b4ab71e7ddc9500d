// Windows are built from declarative tables: one ControlRow per control, in the
// design's pixel coordinates relative to the parent's client area.
#pragma once

#include "ControlRow.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include <span>

namespace kvr {

// The text of a control in the interface's language.
QString ControlText(const ControlRow &row);

// Creates the controls of `rows` on `window`, in table order (which is also the order
// they are stacked in and, for focusable ones, a default tab order).
class FormBuilder {
public:
    explicit FormBuilder(QWidget *window) : m_window(window) {}

    void Build(std::span<const ControlRow> rows);

    // A control of the rows built, by the name its row gives it. A name no row has ends
    // the program at once, in every build: a window is never shown without a control.
    template <typename T> T *Get(const char *name) const {
        return Checked(qobject_cast<T *>(m_controls.value(QString::fromLatin1(name))), name);
    }
    // The control holding the input in `slot`.
    QWidget *Input(int slot) const { return Checked(m_inputs.value(slot), "input"); }
    // The controls the rows give a place in the tab order, in that order.
    QList<QWidget *> TabOrder() const;

private:
    QWidget *Create(const ControlRow &row, QWidget *parent);
    template <typename T> static T *Checked(T *control, const char *name) {
        if (!control)
            qFatal("The window's layout has no control %s", name);
        return control;
    }

    QWidget *m_window;
    QHash<QString, QWidget *> m_controls;
    QHash<int, QWidget *> m_inputs;
    QMap<int, QWidget *> m_tabOrder;
};

} // namespace kvr
