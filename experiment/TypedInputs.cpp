#include "TypedInputs.h"

#include <QLocale>

#include <algorithm>

namespace kvr {

bool CommaGroupsThousands() { return QLocale::system().groupSeparator() == QLatin1String(","); }

std::string WindowDecimalSign() { return CommaGroupsThousands() ? "." : ","; }

bool CommaGroupsThousands(const ExperimentTexts &texts) { return texts.decimalSign == "."; }

ExperimentTexts TextsOf(const CalculationInputs &inputs) {
    ExperimentTexts texts;
    texts.name = inputs.userName;
    for (std::size_t slot = 0; slot < texts.fields.size(); ++slot)
        texts.fields[slot] = inputs.fields[slot].text;
    texts.decimalSign = inputs.commaGroupsThousands ? "." : ",";
    return texts;
}

CalculationInputs TypedInputs(const ExperimentTexts &texts, std::string separator) {
    CalculationInputs inputs;
    inputs.userName = texts.name;
    inputs.separator = std::move(separator);
    inputs.commaGroupsThousands = CommaGroupsThousands(texts);
    for (int slot = 0; slot < kMainWindowSlots; ++slot) {
        FieldInput &input = inputs.fields[static_cast<std::size_t>(slot)];
        input.text = texts.fields[static_cast<std::size_t>(slot)];
        const auto items = ListItems(slot);
        input.selected =
            items.empty() || std::find(items.begin(), items.end(), input.text) != items.end();
    }
    return inputs;
}

} // namespace kvr
