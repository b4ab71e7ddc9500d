#include "AccessibleLists.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace kvr {

namespace {

class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return List()->currentText();
        const QString text = QAccessibleWidget::text(kind);
        // A list nobody named still says at least what it holds.
        return kind == QAccessible::Name && text.isEmpty() ? List()->currentText() : text;
    }

    // The drop-down with its items, as a reader expects below a list.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == List()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = List()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == showMenuAction() || action == pressAction())
            List()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *List() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *ListFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("QComboBox"))
        if (auto *list = qobject_cast<QComboBox *>(object))
            return new NamedList(list);
    return nullptr;
}

} // namespace

void InstallAccessibleLists() { QAccessible::installFactory(ListFactory); }

} // namespace kvr
