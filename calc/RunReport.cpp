#include "RunReport.h"

#include <string_view>

namespace kvr {

namespace {

std::string ResultText(ResultKind kind, const QuantityValue &value, const CalculationState &state,
                       std::string_view separator) {
    switch (kind) {
    case ResultKind::Speed:
        return SpeedText(state, value.cutter, separator);
    case ResultKind::TotalTime:
        return TotalTimeText(state, value.cutter, separator);
    case ResultKind::DimensionalWear:
        return DimensionalWearText(state, value.cutter, value.interval, separator);
    case ResultKind::AllowableWear:
        return AllowableWearText(state, separator);
    case ResultKind::Student:
        break;
    }
    return {};
}

std::string ModelPartText(ModelPart part, const ModelsRecord &models) {
    const bool wear = part == ModelPart::WearCoefficient || part == ModelPart::WearExponent;
    const std::optional<ModelText> &model = wear ? models.wear : models.life;
    if (!model)
        return {};
    const bool coefficient =
        part == ModelPart::WearCoefficient || part == ModelPart::LifeCoefficient;
    return coefficient ? model->coefficient : model->exponent;
}

} // namespace

RunReport::RunReport(const RunStatus &status, const CalculationState &state,
                     std::string_view separator)
    : m_determined(ModelsCurrent(status)) {
    for (const QuantityValue &value : m_values)
        m_texts.push_back(Text(value, status, state, separator));
}

RunReport::RunReport(std::vector<std::string> texts, bool determined)
    : m_texts(std::move(texts)), m_determined(determined) {
    m_texts.resize(m_values.size());
}

std::string RunReport::Text(const QuantityValue &value, const RunStatus &status,
                            const CalculationState &state, std::string_view separator) const {
    const CalculationRecord &read = status.calculation;
    const Quantity &quantity = *value.quantity;
    switch (quantity.source) {
    case Source::Name:
        return read.userName;
    case Source::Field:
        return read.texts[std::size_t(value.Slot())];
    case Source::ChosenTime:
        return m_determined ? status.models.chosenTime : "";
    case Source::Result:
        if (read.reached < CalculationStep::LabelsWritten)
            return {};
        return ResultText(ResultKind(quantity.first), value, state, separator);
    case Source::WearLine:
        if (read.reached < CalculationStep::WearLines)
            return {};
        return WearLineText(state, value.cutter, separator);
    case Source::Model:
        return m_determined ? ModelPartText(ModelPart(quantity.first), status.models) : "";
    }
    return {};
}

const std::string &RunReport::At(const QuantityValue &value) const {
    return At(value.quantity->key, value.cutter, value.interval);
}

const std::string &RunReport::At(const char *key, int cutter, int interval) const {
    static const std::string kNone;
    for (std::size_t k = 0; k < m_values.size(); ++k)
        if (std::string_view(m_values[k].quantity->key) == key && m_values[k].cutter == cutter &&
            m_values[k].interval == interval)
            return m_texts[k];
    return kNone;
}

} // namespace kvr
