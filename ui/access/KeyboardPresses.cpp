#include "KeyboardPresses.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace kvr {

namespace {

class KeyboardPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        auto *button = qobject_cast<QPushButton *>(widget);
        // Dialog buttons take Enter themselves (autoDefault); the other windows' do not.
        if (button && button->isEnabled() && !button->autoDefault() && !button->isDefault() &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            button->click();
            return true;
        }
        QWidget *window = widget->window();
        if (key->key() == Qt::Key_Escape && window->windowType() == Qt::Tool) {
            window->close();
            return true;
        }
        return false;
    }
};

} // namespace

void InstallKeyboardPresses(QCoreApplication *application) {
    application->installEventFilter(new KeyboardPresses(application));
}

} // namespace kvr
