#include "FormBuilder.h"

#include "Fonts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr {

void FormBuilder::Build(std::span<const ControlRow> rows) {
    for (const ControlRow &row : rows) {
        QWidget *parent = row.parent ? m_controls.value(QString::fromLatin1(row.parent)) : m_window;
        Q_ASSERT_X(parent, "FormBuilder::Build", row.parent);
        QWidget *control = Create(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        if (row.fontPx != kWindowFontPx)
            control->setFont(WindowFont(row.fontPx));
        control->move(row.left, row.top);
        if (row.width > 0)
            control->resize(row.width, row.height > 0 ? row.height : control->sizeHint().height());
        else
            control->adjustSize();
        m_controls.insert(control->objectName(), control);
        if (row.slot != kNoInput)
            m_inputs.insert(row.slot, control);
        if (row.tab > 0)
            m_tabOrder.insert(row.tab, control);
    }
}

QList<QWidget *> FormBuilder::TabOrder() const { return m_tabOrder.values(); }

QString ControlText(const ControlRow &row) { return QCoreApplication::translate("Form", row.text); }

QWidget *FormBuilder::Create(const ControlRow &row, QWidget *parent) {
    const QString text = ControlText(row);
    switch (row.kind) {
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    case ControlKind::Label: {
        auto *label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Edit:
        return new QLineEdit(text, parent);
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(false);
        return combo;
    }
    case ControlKind::Button:
        return new QPushButton(text, parent);
    case ControlKind::Image: {
        auto *image = new QLabel(parent);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    return nullptr;
}

} // namespace kvr
