#include "CheckNotes.h"

#include "DefaultFieldTexts.h"
#include "QuantityTexts.h"
#include "ShownTexts.h"

#include <QCoreApplication>

#include <map>
#include <set>

namespace kvr {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Notes", text); }

QString SymbolAt(int slot) { return Symbol(TypedValueAt(slot)); }

QString TextAt(const ExperimentTexts &texts, int slot) {
    return QString::fromStdString(texts.fields[std::size_t(slot)]);
}

// The field's number as "Розрахувати" reads it; nothing for a text it marks.
std::optional<double> Read(const ExperimentTexts &texts, int slot, bool commaGroupsThousands) {
    const NumberReading reading =
        ReadTypedText(InputKind::Number, texts.fields[std::size_t(slot)], commaGroupsThousands);
    return reading.code == 0 ? std::optional(reading.value) : std::nullopt;
}

// Returns the cutters whose wear falls.
std::set<int> FallingWear(const ExperimentTexts &texts, QStringList &notes) {
    std::set<int> falling;
    for (int i = 1; i <= kCutters; ++i)
        for (int j = 1; j < kIntervals; ++j) {
            const auto before = Read(texts, FlankWearSlot(i, j), false);
            const auto after = Read(texts, FlankWearSlot(i, j + 1), false);
            if (!before || !after || *after >= *before)
                continue;
            falling.insert(i);
            notes << Tr(QT_TRANSLATE_NOOP("Notes",
                                          "зношування інструмента %1 спадає: %2 = %3, %4 = %5"))
                         .arg(i)
                         .arg(SymbolAt(FlankWearSlot(i, j)), TextAt(texts, FlankWearSlot(i, j)),
                              SymbolAt(FlankWearSlot(i, j + 1)),
                              TextAt(texts, FlankWearSlot(i, j + 1)));
        }
    return falling;
}

void NotPositive(const ExperimentTexts &texts, bool commaGroupsThousands, QStringList &notes) {
    const int sized[] = {kDiameterSlot,      6, 7, SpindleSpeedSlot(1), SpindleSpeedSlot(2),
                         SpindleSpeedSlot(3)};
    for (int slot : sized)
        if (const auto value = Read(texts, slot, commaGroupsThousands); value && *value <= 0)
            notes << Tr(QT_TRANSLATE_NOOP("Notes", "%1 = %2: має бути більше нуля"))
                         .arg(SymbolAt(slot), TextAt(texts, slot));
}

// "1,000" where a comma is the decimal sign: read as 1, though 1000 may be meant.
void AmbiguousSpeeds(const ExperimentTexts &texts, bool commaGroupsThousands, QStringList &notes) {
    for (int i = 1; i <= kCutters && !commaGroupsThousands; ++i) {
        const std::string &text = texts.fields[std::size_t(SpindleSpeedSlot(i))];
        if (!AmbiguousThousands(text))
            continue;
        std::string whole = text;
        whole.erase(whole.find(','), 1);
        notes << Tr(QT_TRANSLATE_NOOP(
                        "Notes", "%1 = %2 прочитано як %3; якщо мали на увазі %4, напишіть %4"))
                     .arg(SymbolAt(SpindleSpeedSlot(i)), TextAt(texts, SpindleSpeedSlot(i)),
                          QString::number(*Read(texts, SpindleSpeedSlot(i), false)),
                          QString::fromStdString(whole));
    }
}

void EqualSpeeds(const ExperimentTexts &texts, bool commaGroupsThousands, QStringList &notes) {
    std::map<double, QStringList> symbols;
    for (int i = 1; i <= kCutters; ++i)
        if (const auto value = Read(texts, SpindleSpeedSlot(i), commaGroupsThousands))
            symbols[*value] << SymbolAt(SpindleSpeedSlot(i));
    for (const auto &[value, same] : symbols)
        if (same.size() > 1)
            notes << Tr(QT_TRANSLATE_NOOP("Notes", "%1: однакові частоти обертання"))
                         .arg(same.join(QLatin1String(" = ")));
}

// Wear must grow with time, and with speed; tool life must fall with speed. A line through
// wear already said to fall needs no note of its own.
void ResultDirections(const FileRun &run, const std::set<int> &falling, QStringList &notes) {
    if (run.calculation.reached >= CalculationStep::WearLines && !run.calculation.fault)
        for (int i = 1; i <= kCutters; ++i)
            if (run.state.wear_rate[i] <= 0 && !falling.contains(i))
                notes << Tr(QT_TRANSLATE_NOOP("Notes",
                                              "лінія зношування інструмента %1 не зростає: %2"))
                             .arg(i)
                             .arg(
                                 QString::fromStdString(WearLineText(run.state, i, run.separator)));
    const ModelsRecord &models = run.runs.models;
    if (!ModelsCurrent(run.runs))
        return;
    if (models.wear && run.state.wear_model_exponent <= 0)
        notes << Tr(QT_TRANSLATE_NOOP("Notes",
                                      "k = %1 ≤ 0: зношування мало б зростати зі швидкістю"))
                     .arg(QString::fromStdString(models.wear->exponent));
    if (models.life && run.state.life_model_exponent >= 0)
        notes << Tr(QT_TRANSLATE_NOOP("Notes", "z = %1 ≥ 0: стійкість мала б спадати зі швидкістю"))
                     .arg(QString::fromStdString(models.life->exponent));
}

std::optional<CauseText> FaultCause(const FileRun &run) {
    if (run.calculation.fault)
        return run.calculation.faultCause;
    if (run.determination && run.determination->fault)
        return run.determination->faultCause;
    return std::nullopt;
}

// Every running time and flank wear, as read, so that "1,5" and "1.5" are the same: the
// values' bytes, or the text where one is not read.
std::size_t MeasurementsHash(const std::array<std::string, kMainWindowSlots> &fields) {
    std::string key;
    for (int slot = RunningTimeSlot(1, 1); slot <= FlankWearSlot(kCutters, kIntervals); ++slot) {
        const std::string &text = fields[std::size_t(slot)];
        const NumberReading reading = ReadTypedText(InputKind::Number, text, false);
        const double value = reading.value + 0.0; // -0 reads as 0
        if (reading.code == 0)
            key.append(reinterpret_cast<const char *>(&value), sizeof value);
        else
            key += text;
        key += '\x1F';
    }
    return std::hash<std::string>{}(key);
}

std::size_t WorkedExampleHash() {
    std::array<std::string, kMainWindowSlots> fields;
    for (std::size_t slot = 0; slot < fields.size(); ++slot)
        fields[slot] = kDefaultFieldTexts[slot];
    return MeasurementsHash(fields);
}

// The same person however the spaces and letters' case were typed.
std::string NameKey(const std::string &name) {
    return QString::fromStdString(name).simplified().toCaseFolded().toStdString();
}

} // namespace

QStringList FileNotes(const FileRun &run, bool commaGroupsThousands) {
    QStringList notes;
    const auto *texts = std::get_if<ExperimentTexts>(&run.read);
    if (!texts)
        return notes;
    const std::set<int> falling = FallingWear(*texts, notes);
    NotPositive(*texts, commaGroupsThousands, notes);
    AmbiguousSpeeds(*texts, commaGroupsThousands, notes);
    EqualSpeeds(*texts, commaGroupsThousands, notes);
    ResultDirections(run, falling, notes);
    // A sentence among the notes' phrases: its full stop would stand before the "; ".
    if (QString cause = ShownCause(FaultCause(run)); !cause.isEmpty())
        notes << (cause.endsWith(QLatin1Char('.')) ? cause.chopped(1) : cause);
    return notes;
}

QStringList GroupNotes::Add(const QString &shownFile, const ExperimentTexts &texts) {
    QStringList notes;
    if (const std::string name = NameKey(texts.name); !name.empty()) {
        const auto [first, added] = m_names.try_emplace(name, shownFile);
        if (!added)
            notes << Tr(QT_TRANSLATE_NOOP("Notes", "те саме ім'я, що в «%1»")).arg(first->second);
    }
    static const std::size_t example = WorkedExampleHash();
    const std::size_t measurements = MeasurementsHash(texts.fields);
    if (measurements == example) {
        notes << Tr(QT_TRANSLATE_NOOP("Notes", "вимірювання — з прикладу, яким починає програма"));
        return notes;
    }
    const auto [first, added] = m_measurements.try_emplace(measurements, shownFile);
    if (!added)
        notes
            << Tr(QT_TRANSLATE_NOOP("Notes", "ті самі вимірювання, що в «%1»")).arg(first->second);
    return notes;
}

} // namespace kvr
