// What a screen reader says for the controls of the windows: a distinct name per edit,
// list and button (the toolkit would otherwise read the group box title for every field
// of a group), result labels and formulas as sentences, and a description per chart.
#pragma once

class QLabel;

namespace kvr {

class TForm_Main;
class TForm_Result;
class TForm_Graphic;

// Names the controls of each window; the results window's labels get their first sentences.
void NameControls(const TForm_Main &window);
void NameControls(const TForm_Result &window);
void NameControls(const TForm_Graphic &window);

// A label's text changed: the sentences of its window that read it follow.
void UpdateSpokenSentences(const QLabel *label);

} // namespace kvr
