// What a screen reader says for the controls of the windows: a distinct name per edit,
// list and button (the toolkit would otherwise read the group box title for every field
// of a group), result labels and formulas as sentences, and a description per chart.
#pragma once

namespace kvr {

class TForm_Main;
class TForm_Result;
class TForm_Graphic;
class TForm_Help;
class Experiment;

// Names the controls of each window; the results window's labels get their first sentences.
void NameControls(const TForm_Main &window);
// The results window's sentences follow its labels whenever it shows new texts.
void NameControls(TForm_Result &window);
// Each chart's description follows the points it shows.
void NameControls(const TForm_Graphic &window, const Experiment &experiment);
void NameControls(const TForm_Help &window);

} // namespace kvr
