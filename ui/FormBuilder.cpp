#include "FormBuilder.h"

#include "Fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr {

void FormBuilder::Build(std::span<const ControlSpec> specs)
{
    for (const ControlSpec &spec : specs) {
        QWidget *parent = spec.parent ? m_controls.value(QString::fromLatin1(spec.parent)) : m_window;
        Q_ASSERT_X(parent, "FormBuilder::Build", spec.parent);
        QWidget *control = Create(spec, parent);
        control->setObjectName(QString::fromLatin1(spec.name));
        if (spec.fontPx != kWindowFontPx)
            control->setFont(WindowFont(spec.fontPx));
        control->move(spec.left, spec.top);
        if (spec.width > 0)
            control->resize(spec.width, spec.height > 0 ? spec.height : control->sizeHint().height());
        else
            control->adjustSize();
        m_controls.insert(control->objectName(), control);
    }
}

QWidget *FormBuilder::Create(const ControlSpec &spec, QWidget *parent)
{
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
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
