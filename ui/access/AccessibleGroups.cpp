#include "AccessibleGroups.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

namespace kvr {

namespace {

constexpr const char *kLeftOut = "kvrLeftOutOfAccessibleTree";

bool LeftOut(const QObject *object) { return object->property(kLeftOut).toBool(); }

// A group with the toolkit's name and role, whose children are its widgets but the left-out
// labels.
class GroupWithoutCaptions : public QAccessibleWidget {
public:
    explicit GroupWithoutCaptions(QGroupBox *group)
        : QAccessibleWidget(group, QAccessible::Grouping) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty() ? Group()->title() : text;
    }
    int childCount() const override { return int(Children().size()); }
    QAccessibleInterface *child(int index) const override {
        const QWidgetList children = Children();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child ? int(Children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QGroupBox *Group() const { return static_cast<QGroupBox *>(widget()); }
    QWidgetList Children() const {
        QWidgetList children = Group()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        children.removeIf([](const QWidget *child) { return child->isWindow() || LeftOut(child); });
        return children;
    }
};

// Every group: its interface may be made before its labels are left out, and a group with
// none has the same children as the toolkit's own. A checkable one keeps the toolkit's.
QAccessibleInterface *GroupFactory(const QString &className, QObject *object) {
    if (className != QLatin1String("QGroupBox"))
        return nullptr;
    auto *group = qobject_cast<QGroupBox *>(object);
    return group && !group->isCheckable() ? new GroupWithoutCaptions(group) : nullptr;
}

} // namespace

void InstallAccessibleGroups() { QAccessible::installFactory(GroupFactory); }

void LeaveOutOfAccessibleTree(QLabel &label) { label.setProperty(kLeftOut, true); }

} // namespace kvr
