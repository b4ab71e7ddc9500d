#include "CheckNotes.h"

#include "CheckRow.h"
#include "InputTable.h"
#include "QuantityTexts.h"
#include "TranslatedTexts.h"
#include "TypedInputs.h"

#include <QCoreApplication>
#include <QLocale>

#include <set>
#include <span>

namespace kvr {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Notes", text); }

QString SymbolAt(int slot) { return Symbol(TypedValueAt(slot)); }

// The numbers the notes weigh, read once as "Розрахувати" reads them; nothing for a text
// it marks.
class Fields {
public:
    explicit Fields(const ExperimentTexts &texts) : m_texts(texts) {
        for (std::size_t slot = 0; slot < kInputs.size(); ++slot)
            if (kInputs[slot].kind == InputKind::Number)
                Read(int(slot), CommaGroupsThousands(texts));
    }

    // The diameter, the depth of cut, the feed, the spindle speeds and the flank wear.
    static constexpr auto kSized = [] {
        std::array<int, 6 + kCutters * kIntervals> sized{kDiameterSlot,       kDepthOfCutSlot,
                                                         kFeedSlot,           SpindleSpeedSlot(1),
                                                         SpindleSpeedSlot(2), SpindleSpeedSlot(3)};
        for (int i = 1; i <= kCutters; ++i)
            for (int j = 1; j <= kIntervals; ++j)
                sized[std::size_t(6 + (i - 1) * kIntervals + j - 1)] = FlankWearSlot(i, j);
        return sized;
    }();

    const std::optional<double> &Value(int slot) const { return m_values[std::size_t(slot)]; }
    const std::string &Raw(int slot) const { return m_texts.fields[std::size_t(slot)]; }
    QString Text(int slot) const { return QString::fromStdString(Raw(slot)); }

private:
    void Read(int slot, bool commaGroupsThousands) {
        const NumberReading reading =
            ReadTypedText(InputKind::Number, Raw(slot), commaGroupsThousands);
        if (reading.code == 0)
            m_values[std::size_t(slot)] = reading.value;
    }

    const ExperimentTexts &m_texts;
    std::array<std::optional<double>, kMainWindowSlots> m_values{};
};

// Returns the cutters whose wear falls.
std::set<int> FallingWear(const Fields &fields, QStringList &notes) {
    std::set<int> falling;
    for (int i = 1; i <= kCutters; ++i)
        for (int j = 1; j < kIntervals; ++j) {
            const int before = FlankWearSlot(i, j), after = FlankWearSlot(i, j + 1);
            if (!fields.Value(before) || !fields.Value(after) ||
                *fields.Value(after) >= *fields.Value(before))
                continue;
            falling.insert(i);
            notes << Tr(QT_TRANSLATE_NOOP("Notes",
                                          "зношування інструмента %1 спадає: %2 = %3, %4 = %5"))
                         .arg(i)
                         .arg(SymbolAt(before), fields.Text(before), SymbolAt(after),
                              fields.Text(after));
        }
    return falling;
}

bool NotPositive(const Fields &fields, int slot) {
    return std::ranges::find(Fields::kSized, slot) != Fields::kSized.end() && fields.Value(slot) &&
           *fields.Value(slot) <= 0;
}

void NotPositive(const Fields &fields, QStringList &notes) {
    for (int slot : Fields::kSized)
        if (NotPositive(fields, slot))
            notes << Tr(QT_TRANSLATE_NOOP("Notes", "%1 = %2: має бути більше нуля"))
                         .arg(SymbolAt(slot), fields.Text(slot));
}

// In the locale's decimal sign, without the grouping that would make "4000" read "4,000".
QString Shown(double number) {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(number, 'g', 15);
}

// A value no lab gives; one already said not to be positive needs no second note.
void OutOfLimits(const Fields &fields, const LabLimits &limits, QStringList &notes) {
    for (std::size_t slot = 0; slot < kInputs.size(); ++slot) {
        const std::optional<LimitRange> range = limits.Of(kInputs[slot].key);
        const std::optional<double> &value = fields.Value(int(slot));
        if (!range || !value || (*value >= range->low && *value <= range->high) ||
            NotPositive(fields, int(slot)))
            continue;
        notes << Tr(QT_TRANSLATE_NOOP("Notes", "%1 = %2 %3: поза межами %4–%5"))
                     .arg(SymbolAt(int(slot)), fields.Text(int(slot)), Unit(kInputs[slot].key),
                          Shown(range->low), Shown(range->high));
    }
}

// Wear of a few hundredths, against an allowable wear of tens of micrometres: the student
// wrote millimetres.
void WearInMillimetres(const Fields &fields, QStringList &notes) {
    const std::optional<double> &allowable = fields.Value(kAllowableFlankWearSlot);
    if (!allowable || *allowable < 10)
        return;
    for (int i = 1; i <= kCutters; ++i)
        for (int j = 1; j <= kIntervals; ++j)
            if (const std::optional<double> &wear = fields.Value(FlankWearSlot(i, j));
                !wear || *wear >= 1)
                return;
    const int first = FlankWearSlot(1, 1);
    notes << Tr(QT_TRANSLATE_NOOP("Notes", "усе зношування менше за 1 мкм, а %1 = %2 мкм: схоже, "
                                           "його записано в міліметрах (%3 = %4 мм — це %5 мкм)"))
                 .arg(SymbolAt(kAllowableFlankWearSlot), fields.Text(kAllowableFlankWearSlot),
                      SymbolAt(first), fields.Text(first), Shown(*fields.Value(first) * 1000));
}

// "1,000" where a comma is the decimal sign: read as 1, though 1000 may be meant.
void AmbiguousSpeeds(const Fields &fields, bool commaGroupsThousands, QStringList &notes) {
    for (int i = 1; i <= kCutters && !commaGroupsThousands; ++i) {
        const int slot = SpindleSpeedSlot(i);
        if (!AmbiguousThousands(fields.Raw(slot)))
            continue;
        std::string whole = fields.Raw(slot);
        whole.erase(whole.find(','), 1);
        notes << Tr(QT_TRANSLATE_NOOP(
                        "Notes", "%1 = %2 прочитано як %3; якщо мали на увазі %4, напишіть %4"))
                     .arg(SymbolAt(slot), fields.Text(slot), Shown(*fields.Value(slot)),
                          QString::fromStdString(whole));
    }
}

// One note for each speed that more than one cutter has.
void EqualSpeeds(const Fields &fields, QStringList &notes) {
    for (int i = 1; i <= kCutters; ++i) {
        const std::optional<double> &speed = fields.Value(SpindleSpeedSlot(i));
        const auto same = [&](int k) {
            return speed && fields.Value(SpindleSpeedSlot(k)) == speed;
        };
        bool earlier = false, later = false;
        for (int k = 1; k <= kCutters; ++k)
            (k < i ? earlier : later) |= k != i && same(k);
        if (earlier || !later)
            continue;
        QStringList symbols;
        for (int k = i; k <= kCutters; ++k)
            if (same(k))
                symbols << SymbolAt(SpindleSpeedSlot(k));
        notes << Tr(QT_TRANSLATE_NOOP("Notes", "%1: однакові частоти обертання"))
                     .arg(symbols.join(QLatin1String(" = ")));
    }
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
std::size_t MeasurementsHash(std::span<const std::string> fields) {
    std::string key;
    for (std::size_t slot = 0; slot < kInputs.size(); ++slot) {
        if (!IsMeasurement(kInputs[slot]))
            continue;
        const std::string &text = fields[slot];
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

QStringList FileNotes(const FileRun &run, const LabLimits &limits) {
    QStringList notes;
    const ExperimentTexts *texts = run.read.IfValue();
    if (!texts)
        return notes;
    if (ShownTypedText(texts->name) != texts->name)
        notes << Tr(QT_TRANSLATE_NOOP("Notes", "ім'я містить керівні символи"));
    const Fields fields(*texts);
    const std::set<int> falling = FallingWear(fields, notes);
    NotPositive(fields, notes);
    OutOfLimits(fields, limits, notes);
    WearInMillimetres(fields, notes);
    AmbiguousSpeeds(fields, CommaGroupsThousands(*texts), notes);
    EqualSpeeds(fields, notes);
    ResultDirections(run, falling, notes);
    // A sentence among the notes' phrases: its full stop would stand before the "; ".
    if (QString cause = CauseLine(FaultCause(run)); !cause.isEmpty())
        notes << (cause.endsWith(QLatin1Char('.')) ? cause.chopped(1) : cause);
    return notes;
}

QStringList RunNotes(const Experiment &experiment) {
    const std::optional<Presses> &presses = experiment.LastPresses();
    if (!presses)
        return {};
    FileRun run{experiment.State(),
                experiment.Status(),
                TextsOf(presses->inputs),
                presses->inputs.separator,
                presses->calculation,
                presses->determination,
                {}};
    return FileNotes(run);
}

QString NotesLine(const Experiment &experiment, bool recalculated) {
    QStringList notes;
    if (!recalculated)
        notes << Tr(QT_TRANSLATE_NOOP(
            "Notes",
            "поля головного вікна змінено після «Розрахувати»: результати не перераховано"));
    notes << RunNotes(experiment);
    return notes.isEmpty() ? QString()
                           : Tr(QT_TRANSLATE_NOOP("Notes", "Зверніть увагу: %1"))
                                 .arg(notes.join(QLatin1String("; ")));
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
