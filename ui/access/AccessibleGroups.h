// A group's accessible interface that leaves out the labels which only spell a field's
// caption ("D =", "мм", "°"): the field's own name says them already.
#pragma once

class QLabel;

namespace kvr {

void InstallAccessibleGroups();
// Leaves `label` out of its group's accessible children.
void LeaveOutOfAccessibleTree(QLabel &label);

} // namespace kvr
