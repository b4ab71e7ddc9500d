// Texts this layer writes for the interface are in its source language. Marked so, the
// translation tools find them; the interface translates them where it shows them. The
// definition is the toolkit's own, so that either may come first.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

#include <string>
#include <vector>

namespace kvr {

// The pattern with "%1", "%2"… replaced by the values in their order.
std::string Filled(std::string pattern, const std::vector<std::string> &values);

} // namespace kvr
