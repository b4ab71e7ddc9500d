#include "Windows.h"

namespace kvr {

TForm_Main *Form_Main = nullptr;
TForm_Result *Form_Result = nullptr;
TForm_Graphic *Form_Graphic = nullptr;
TForm_Warning *Form_Warning = nullptr;
TForm_Help *Form_Help = nullptr;

} // namespace kvr
