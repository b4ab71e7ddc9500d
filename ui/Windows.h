// The five windows of the application, each with its one instance, reachable from every
// window. They are created at start-up in this order and live until the application ends.
#pragma once

namespace kvr {

class TForm_Main;
class TForm_Result;
class TForm_Graphic;
class TForm_Warning;
class TForm_Help;

extern TForm_Main *Form_Main;
extern TForm_Result *Form_Result;
extern TForm_Graphic *Form_Graphic;
extern TForm_Warning *Form_Warning;
extern TForm_Help *Form_Help;

} // namespace kvr
