#pragma once

#include <QFont>

namespace kvr {

// The design face "MS Sans Serif" where installed, else the closest free face.
QFont WindowFont(int pixelSize = 11);

} // namespace kvr
