// Windows are built from declarative tables: one ControlRow per control, in the
// design's pixel coordinates relative to the parent's client area.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <span>

namespace kvr {

enum class ControlKind { GroupBox, Label, Edit, ComboBox, Button, Image };

inline constexpr int kWindowFontPx = 11;
inline constexpr int kEditHeight = 21;

struct ControlRow {
    ControlKind kind;
    const char *name;
    const char *parent; // nullptr: the window's client area
    int left;
    int top;
    int width = 0; // 0 with height 0: a label sized to its text
    int height = 0;
    const char *text = "";
    int fontPx = kWindowFontPx;
};

// The text of a control in the interface's language.
QString ControlText(const ControlRow &row);

// Creates the controls of `rows` on `window`, in table order (which is also the order
// they are stacked in and, for focusable ones, a default tab order).
class FormBuilder {
public:
    explicit FormBuilder(QWidget *window) : m_window(window) {}

    void Build(std::span<const ControlRow> rows);

    template <typename T> T *Get(const char *name) const {
        T *control = qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
        Q_ASSERT_X(control, "FormBuilder::Get", name);
        return control;
    }

private:
    QWidget *Create(const ControlRow &row, QWidget *parent);

    QWidget *m_window;
    QHash<QString, QWidget *> m_controls;
};

// A control of a built window, by its design name.
template <typename T> T *FindControl(const QWidget *window, const char *name) {
    T *control = window->findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT_X(control, "FindControl", name);
    return control;
}

} // namespace kvr
