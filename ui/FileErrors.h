// Why a file could not be written, in the words of the interface.
#pragma once

#include <QString>

class QFileDevice;

namespace kvr {

QString SaveFailure(const QFileDevice &file);

} // namespace kvr
