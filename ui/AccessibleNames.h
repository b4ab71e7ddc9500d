// What a screen reader says for the controls of the windows: a distinct name per edit,
// list and button (the toolkit would otherwise read the group box title for every field
// of a group), result labels and formulas as sentences, and a description per chart.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace kvr {

// Names the controls of `window` and gives its result labels their first sentences.
void NameControls(QWidget *window);

// A label's text changed: the sentences of its window that read it follow.
void UpdateSpokenSentences(const QLabel *label);

} // namespace kvr
