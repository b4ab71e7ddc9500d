#include "AccessibleGroups.h"

#include <kvrchart/TChart.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

namespace kvr {

namespace {

constexpr const char *kLeftOut = "kvrLeftOutOfAccessibleTree";

bool LeftOut(const QObject *object) { return object->property(kLeftOut).toBool(); }

// A group or a chart with the toolkit's name and role, whose children are its widgets but
// the left-out labels.
class WithoutLeftOutLabels : public QAccessibleWidget {
public:
    WithoutLeftOutLabels(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        const auto *group = qobject_cast<const QGroupBox *>(widget());
        return kind == QAccessible::Name && text.isEmpty() && group ? group->title() : text;
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
    QWidgetList Children() const {
        QWidgetList children = widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        children.removeIf([](const QWidget *child) { return child->isWindow() || LeftOut(child); });
        return children;
    }
};

// Every group and chart: its interface may be made before its labels are left out, and one
// with none has the same children as the toolkit's own. A checkable group keeps the
// toolkit's.
QAccessibleInterface *GroupFactory(const QString &className, QObject *object) {
    if (className == QLatin1String(chart::TChart::staticMetaObject.className()))
        return new WithoutLeftOutLabels(static_cast<QWidget *>(object), QAccessible::Chart);
    if (className != QLatin1String("QGroupBox"))
        return nullptr;
    auto *group = qobject_cast<QGroupBox *>(object);
    return group && !group->isCheckable() ? new WithoutLeftOutLabels(group, QAccessible::Grouping)
                                          : nullptr;
}

} // namespace

void InstallAccessibleGroups() { QAccessible::installFactory(GroupFactory); }

void LeaveOutOfAccessibleTree(QLabel &label) { label.setProperty(kLeftOut, true); }

} // namespace kvr
