// The accessible interface of a group or a chart that leaves out the labels which only spell
// a field's caption ("D =", "мм", "°") or an axis title: the field's or the chart's own name
// says them already.
#pragma once

class QLabel;

namespace kvr {

void InstallAccessibleGroups();
// Leaves `label` out of its group's or chart's accessible children.
void LeaveOutOfAccessibleTree(QLabel &label);

} // namespace kvr
