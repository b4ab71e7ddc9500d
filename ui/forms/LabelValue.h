// The number a result label shows, read back from its text, so that what is read aloud
// or copied is exactly what the window shows.
#pragma once

#include <QString>

namespace kvr {

// "V = 182,06 м/хв." gives "182,06 м/хв."; a text without "= " is its own value.
QString LabelValue(const QString &labelText);

// The number alone: "182,06" of "V = 182,06 м/хв.", "0,123" of a coefficient's "= 0,123V".
QString LabelNumber(const QString &labelText);

} // namespace kvr
