// The table of quantities in the interface's language: each quantity's symbol, unit and
// name, for the fields' spoken names, the messages, the copy, the printed report and the
// graphs' read-outs.
#pragma once

#include "Quantities.h"

#include <QString>

namespace kvr {

// "τ12", "n1", "D", "[hз]", "τд"; empty for a quantity without a symbol.
QString Symbol(const QuantityValue &value);
// The symbol without indices, by the quantity's key ("τ", "hр", "T").
QString SymbolOf(const char *key);
// "хв."; empty for a count or a text.
QString Unit(const char *key);
// What the value is, without its unit: "Тривалість 2-го інтервалу, інструмент 1".
QString Name(const QuantityValue &value);
// The name and the unit, as a field is spoken: "Тривалість 2-го інтервалу, інструмент 1, хв.".
QString SpokenName(const QuantityValue &value);
// As a report's line writes it: the name with its symbol and unit ("Подача S, мм/об.",
// "Допустиме розмірне зношування [hр], мкм").
QString Caption(const QuantityValue &value);
// A column of a table with a row per cutter: "τ2, хв.", "V, м/хв.".
QString ColumnHeader(const char *key, int interval = 0);
// An item of a list as the interface shows it: "steel 45" for the file's "сталь 45".
QString ListItemText(const std::string &item);
// A field as a message names it: its symbol, or a word where it has none ("матеріал").
QString FieldLabel(const QuantityValue &value);

} // namespace kvr
