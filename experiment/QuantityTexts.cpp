#include "QuantityTexts.h"

#include <QCoreApplication>

#include <string_view>

namespace kvr {

namespace {

// "%1" stands for the cutter, "%2" for the interval and "%3" for the symbol with its indices.
struct QuantityText {
    const char *key;
    const char *symbol;
    const char *unit;
    const char *name;
    const char *label = nullptr; // how a message names a field without a symbol
};

const QuantityText kTexts[] = {
    {"name", "", "", QT_TRANSLATE_NOOP("Quantity", "Прізвище та ініціали студента"),
     QT_TRANSLATE_NOOP("Quantity", "ім'я користувача")},
    {"material", "", "", QT_TRANSLATE_NOOP("Quantity", "Матеріал заготовки"),
     QT_TRANSLATE_NOOP("Quantity", "матеріал")},
    {"phi", "φ", QT_TRANSLATE_NOOP("Quantity", "градусів"),
     QT_TRANSLATE_NOOP("Quantity", "Головний кут у плані %3")},
    {"phi1", "φ1", QT_TRANSLATE_NOOP("Quantity", "градусів"),
     QT_TRANSLATE_NOOP("Quantity", "Допоміжний кут у плані %3")},
    {"alpha", "α", QT_TRANSLATE_NOOP("Quantity", "градусів"),
     QT_TRANSLATE_NOOP("Quantity", "Задній кут %3")},
    {"gamma", "γ", QT_TRANSLATE_NOOP("Quantity", "градусів"),
     QT_TRANSLATE_NOOP("Quantity", "Передній кут %3")},
    {"diameter", "D", QT_TRANSLATE_NOOP("Quantity", "мм"),
     QT_TRANSLATE_NOOP("Quantity", "Діаметр заготовки %3")},
    {"depth_of_cut", "h", QT_TRANSLATE_NOOP("Quantity", "мм"),
     QT_TRANSLATE_NOOP("Quantity", "Глибина різання %3")},
    {"feed", "S", QT_TRANSLATE_NOOP("Quantity", "мм/об."),
     QT_TRANSLATE_NOOP("Quantity", "Подача %3")},
    {"spindle_speed", "n", QT_TRANSLATE_NOOP("Quantity", "об./хв."),
     QT_TRANSLATE_NOOP("Quantity", "Частота обертання %3, інструмент %1")},
    {"allowable_flank_wear", QT_TRANSLATE_NOOP("Quantity", "[hз]"),
     QT_TRANSLATE_NOOP("Quantity", "мкм"),
     QT_TRANSLATE_NOOP("Quantity", "Допустиме зношування по задній поверхні")},
    {"running_time", "τ", QT_TRANSLATE_NOOP("Quantity", "хв."),
     QT_TRANSLATE_NOOP("Quantity", "Тривалість %2-го інтервалу, інструмент %1")},
    {"flank_wear", QT_TRANSLATE_NOOP("Quantity", "hз"), QT_TRANSLATE_NOOP("Quantity", "мкм"),
     QT_TRANSLATE_NOOP("Quantity",
                       "Зношування по задній поверхні після %2-го інтервалу, інструмент %1")},
    {"chosen_time", QT_TRANSLATE_NOOP("Quantity", "τд"), QT_TRANSLATE_NOOP("Quantity", "хв."),
     QT_TRANSLATE_NOOP("Quantity", "Довільна тривалість роботи інструмента %3")},
    {"cutting_speed", "V", QT_TRANSLATE_NOOP("Quantity", "м/хв."),
     QT_TRANSLATE_NOOP("Quantity", "Швидкість різання інструмента %1")},
    {"total_time", "τΣ", QT_TRANSLATE_NOOP("Quantity", "хв."),
     QT_TRANSLATE_NOOP("Quantity", "Загальна тривалість роботи інструмента %1")},
    {"dimensional_wear", QT_TRANSLATE_NOOP("Quantity", "hр"), QT_TRANSLATE_NOOP("Quantity", "мкм"),
     QT_TRANSLATE_NOOP("Quantity", "Розмірне зношування інструмента %1 після %2-го інтервалу")},
    {"allowable_dimensional_wear", QT_TRANSLATE_NOOP("Quantity", "[hр]"),
     QT_TRANSLATE_NOOP("Quantity", "мкм"),
     QT_TRANSLATE_NOOP("Quantity", "Допустиме розмірне зношування")},
    {"wear_line", "", QT_TRANSLATE_NOOP("Quantity", "мкм"),
     QT_TRANSLATE_NOOP("Quantity", "Лінія зношування")},
    {"wear_model_c", "C", "", QT_TRANSLATE_NOOP("Quantity", "Коефіцієнт моделі зношування")},
    {"wear_model_k", "k", "", QT_TRANSLATE_NOOP("Quantity", "Показник степеня моделі зношування")},
    {"life_model_c", "C", "", QT_TRANSLATE_NOOP("Quantity", "Коефіцієнт моделі стійкості")},
    {"life_model_z", "z", "", QT_TRANSLATE_NOOP("Quantity", "Показник степеня моделі стійкості")},
    // Shown by the graphs only.
    {"tool_life", QT_TRANSLATE_NOOP("Quantity", "Tр"), QT_TRANSLATE_NOOP("Quantity", "хв."),
     QT_TRANSLATE_NOOP("Quantity", "Період стійкості")},
};

QString Translated(const char *text) { return QCoreApplication::translate("Quantity", text); }

const QuantityText &TextOf(const char *key) {
    for (const QuantityText &text : kTexts)
        if (std::string_view(text.key) == key)
            return text;
    return kTexts[0];
}

QString Indices(const QuantityValue &value) {
    QString indices;
    for (int index : {value.cutter, value.interval})
        if (index > 0)
            indices += QString::number(index);
    return indices;
}

} // namespace

QString SymbolOf(const char *key) { return Translated(TextOf(key).symbol); }

QString Symbol(const QuantityValue &value) {
    const QString symbol = SymbolOf(value.quantity->key);
    return symbol.isEmpty() ? symbol : symbol + Indices(value);
}

QString Unit(const char *key) { return Translated(TextOf(key).unit); }

QString Name(const QuantityValue &value) {
    return Translated(TextOf(value.quantity->key).name)
        .replace(QLatin1String("%1"), QString::number(value.cutter))
        .replace(QLatin1String("%2"), QString::number(value.interval))
        .replace(QLatin1String("%3"), Symbol(value));
}

QString SpokenName(const QuantityValue &value) {
    const QString unit = Unit(value.quantity->key);
    return Name(value) + (unit.isEmpty() ? QString() : QStringLiteral(", ") + unit);
}

QString Caption(const QuantityValue &value) {
    const QString unit = Unit(value.quantity->key);
    QString caption = Name(value);
    if (!QString::fromUtf8(TextOf(value.quantity->key).name).contains(QLatin1String("%3")) &&
        !Symbol(value).isEmpty())
        caption += QLatin1Char(' ') + Symbol(value);
    return unit.isEmpty() ? caption : caption + QStringLiteral(", ") + unit;
}

QString ColumnHeader(const char *key, int interval) {
    const QuantityText &text = TextOf(key);
    QString header = Translated(*text.symbol ? text.symbol : text.name);
    if (interval > 0)
        header += QString::number(interval);
    const QString unit = Unit(key);
    return unit.isEmpty() ? header : header + QStringLiteral(", ") + unit;
}

QString ListItemText(const std::string &item) {
    return QCoreApplication::translate("Material", item.c_str());
}

QString FieldLabel(const QuantityValue &value) {
    const char *label = TextOf(value.quantity->key).label;
    return label ? Translated(label) : Symbol(value);
}

} // namespace kvr
