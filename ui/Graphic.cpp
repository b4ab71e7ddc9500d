#include "Graphic.h"

namespace kvr {

TForm_Graphic::TForm_Graphic()
    : TFixedForm("Form_Graphic", QString::fromUtf8("Kelvora \"KVR\". Графіки залежностей"),
                 QPoint(23, 181), QSize(1305, 393))
{
    ApplyResizePolicy();
}

bool TForm_Graphic::FormCanResize(int &, int &)
{
    return false;
}

} // namespace kvr
