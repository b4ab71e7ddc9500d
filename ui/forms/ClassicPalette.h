// The colours the windows were laid out with, whatever colours the desktop prefers.
#pragma once

#include <QPalette>

namespace kvr {

// The toolkit's own light palette, the one the windows, their pictures and the charts were
// designed on, with every role of every group set: a window given it keeps black numbers on
// light panels on a dark desktop, whose palette the application gets.
QPalette ClassicPalette();

} // namespace kvr
