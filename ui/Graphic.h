#pragma once

#include "FixedForm.h"

namespace kvr {

class TForm_Graphic : public TFixedForm {
    Q_OBJECT
public:
    TForm_Graphic();

protected:
    bool FormCanResize(int &newWidth, int &newHeight) override;
};

} // namespace kvr
