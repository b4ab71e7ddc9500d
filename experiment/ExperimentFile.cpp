#include "ExperimentFile.h"

#include "Quantities.h"
#include "QuantityTexts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace kvr {

namespace {

constexpr const char *kFormat = "kvr-experiment";
// Optional in any version: a program that does not know it reads the file as before.
constexpr const char *kDecimalSignKey = "decimal_sign";

static_assert(std::ranges::all_of(kInputs,
                                  [](const InputRow &row) {
                                      return row.since == 1 || row.olderDefault != nullptr;
                                  }),
              "an input newer than the first files needs a text for them");

// The name and τд stand beside the inputs in the file, a text each.
constexpr InputRow kNameRow{"name", 0, 0, InputKind::Number, nullptr, ""};
constexpr InputRow kChosenTimeRow{"chosen_time", 0, 0, InputKind::Number, nullptr, ""};

// The text of a slot; the slot after the last input's is τд's.
template <typename Texts> auto &TextAt(Texts &texts, int slot) {
    if (slot == kNameSlot)
        return texts.name;
    if (slot == static_cast<int>(texts.fields.size()))
        return texts.chosenTime;
    return texts.fields[static_cast<std::size_t>(slot)];
}

// A key of the file: the rows of its values, whose texts fill the slots from `first` on.
struct FileKey {
    std::span<const InputRow> rows;
    int first = 0;

    const char *Name() const { return rows.front().key; }
    Shape KeyShape() const {
        return rows.front().interval > 0 ? Shape::PerInterval
               : rows.front().cutter > 0 ? Shape::PerCutter
                                         : Shape::One;
    }
};

// The keys of a file of `inputs` in the order of the table of quantities, so that a file with
// several faults is refused for the first of them there.
std::vector<FileKey> FileKeys(std::span<const InputRow> inputs) {
    std::vector<FileKey> keys{{{&kNameRow, 1}, kNameSlot},
                              {{&kChosenTimeRow, 1}, static_cast<int>(inputs.size())}};
    for (std::size_t first = 0, end = 0; first < inputs.size(); first = end) {
        for (end = first + 1;
             end < inputs.size() && std::string_view(inputs[end].key) == inputs[first].key;)
            ++end;
        keys.push_back({inputs.subspan(first, end - first), static_cast<int>(first)});
    }
    const auto place = [](const FileKey &key) {
        return std::ranges::find_if(kTypedQuantities,
                                    [&key](const Quantity &quantity) {
                                        return std::string_view(quantity.key) == key.Name();
                                    }) -
               kTypedQuantities.begin();
    };
    std::ranges::stable_sort(keys, {}, place);
    return keys;
}

QString Label(const InputRow &row) {
    return FieldLabel(ValueOf(row.key, row.cutter, row.interval));
}

// Messages name what the reader found wrong in the interface's language.
QString Tr(const char *text) { return QCoreApplication::translate("File", text); }

// Code points, as a person counts characters.
qsizetype Characters(const QString &text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isLowSurrogate(); });
}

// Whether a field may hold this text, or why not.
Expected<void> CheckText(const InputRow &row, const QString &text) {
    if (Characters(text) > kMaxTextCharacters)
        return Failure(Tr(QT_TRANSLATE_NOOP("File", "текст поля «%1» довший за 1 000 символів"))
                           .arg(Label(row)));
    const std::string value = text.toStdString();
    if (row.items.empty() || std::ranges::find(row.items, value) != row.items.end())
        return {};
    constexpr qsizetype kShown = 40;
    const QString shown =
        Characters(text) > kShown ? text.left(kShown) + QStringLiteral("…") : text;
    return Failure(
        Tr(QT_TRANSLATE_NOOP("File", "значення «%1» поля %2 не є жодним із пунктів його списку"))
            .arg(shown, Label(row)));
}

Failure WrongType(const FileKey &key) {
    const char *pattern =
        QT_TRANSLATE_NOOP("File", "ключ «%1» має бути списком із 3 списків по 3 тексти");
    if (key.KeyShape() == Shape::One)
        pattern = QT_TRANSLATE_NOOP("File", "ключ «%1» має бути текстом");
    else if (key.KeyShape() == Shape::PerCutter)
        pattern = QT_TRANSLATE_NOOP("File", "ключ «%1» має бути списком із 3 текстів");
    return Failure(Tr(pattern).arg(QLatin1String(key.Name())));
}

bool HasShape(const QJsonValue &value, int count) {
    return value.isArray() && value.toArray().size() == count;
}

// Reads one key of a file of `version` into `texts`, or says why it cannot.
Expected<void> ReadKey(const QJsonObject &object, const FileKey &key, int version,
                       ExperimentTexts &texts) {
    if (key.rows.front().since > version) { // the file is older than the input
        for (std::size_t k = 0; k < key.rows.size(); ++k)
            TextAt(texts, key.first + static_cast<int>(k)) = key.rows[k].olderDefault;
        return {};
    }
    const QString name = QString::fromLatin1(key.Name());
    if (!object.contains(name))
        return Failure(
            Tr(QT_TRANSLATE_NOOP("File", "бракує ключа «%1»")).arg(QLatin1String(key.Name())));
    const QJsonValue value = object.value(name);
    bool shapeHolds = key.KeyShape() == Shape::One ? value.isString() : HasShape(value, kCutters);
    for (const InputRow &row : key.rows)
        if (row.interval == 1)
            shapeHolds = shapeHolds && HasShape(value.toArray().at(row.cutter - 1), kIntervals);
    if (!shapeHolds)
        return WrongType(key);
    for (std::size_t k = 0; k < key.rows.size(); ++k) {
        const InputRow &row = key.rows[k];
        QJsonValue item = row.cutter == 0 ? value : value.toArray().at(row.cutter - 1);
        if (row.interval > 0)
            item = item.toArray().at(row.interval - 1);
        if (!item.isString())
            return WrongType(key);
        if (Expected<void> checked = CheckText(row, item.toString()); !checked)
            return checked;
        TextAt(texts, key.first + static_cast<int>(k)) = item.toString().toStdString();
    }
    return {};
}

} // namespace

std::vector<NamedText> NamedTexts(const ExperimentTexts &texts) {
    std::vector<NamedText> named;
    for (const QuantityValue &value : QuantityValues(kTypedQuantities))
        named.push_back({value.Column(), TextAt(texts, value.Slot())});
    return named;
}

ExperimentRead ParseExperiment(const QByteArray &bytes, std::span<const InputRow> inputs) {
    if (bytes.size() > kMaxExperimentFileBytes)
        return FileFailure{FileProblem::TooLarge};
    // An upload that failed leaves an empty file; "not JSON" would send the teacher looking
    // for a syntax error.
    if (bytes.isEmpty())
        return Failure(Tr(QT_TRANSLATE_NOOP("File", "файл порожній")));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return Failure(Tr(QT_TRANSLATE_NOOP("File", "вміст не є правильним текстом JSON")));
    const QJsonObject object = document.object();
    if (!document.isObject() ||
        object.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return Failure(Tr(QT_TRANSLATE_NOOP("File", "це не файл досліду KVR")));
    if (!object.contains(QStringLiteral("version")))
        return Failure(Tr(QT_TRANSLATE_NOOP("File", "бракує ключа «version»")));
    const QJsonValue version = object.value(QStringLiteral("version"));
    const double number = version.toDouble();
    if (!version.isDouble() || !(number >= 1) || std::floor(number) != number)
        return Failure(Tr(QT_TRANSLATE_NOOP("File", "ключ «version» має бути цілим числом від 1")));
    if (number > FileVersion(inputs))
        return Failure(Tr(QT_TRANSLATE_NOOP(
                              "File", "файл записано новішою програмою: версія формату вища за %1"))
                           .arg(FileVersion(inputs)));
    ExperimentTexts texts;
    if (const QJsonValue sign = object.value(QLatin1String(kDecimalSignKey)); !sign.isUndefined()) {
        if (sign != QLatin1String(",") && sign != QLatin1String("."))
            return Failure(
                Tr(QT_TRANSLATE_NOOP("File", "ключ «decimal_sign» має бути «,» або «.»")));
        texts.decimalSign = sign.toString().toStdString();
    }
    texts.fields.resize(inputs.size());
    for (const FileKey &key : FileKeys(inputs))
        if (Expected<void> read = ReadKey(object, key, static_cast<int>(number), texts); !read)
            return read.Error();
    return texts;
}

Expected<void> CheckForSaving(const ExperimentTexts &texts) {
    for (const FileKey &key : FileKeys(kInputs))
        for (std::size_t k = 0; k < key.rows.size(); ++k) {
            const std::string &text = TextAt(texts, key.first + static_cast<int>(k));
            if (Expected<void> checked = CheckText(key.rows[k], QString::fromStdString(text));
                !checked)
                return checked;
        }
    return {};
}

QByteArray SerializeExperiment(const ExperimentTexts &texts) {
    QJsonObject object{{QStringLiteral("format"), QLatin1String(kFormat)},
                       {QStringLiteral("version"), FileVersion(kInputs)},
                       {QLatin1String(kDecimalSignKey), QString::fromStdString(texts.decimalSign)}};
    for (const FileKey &key : FileKeys(kInputs)) {
        QJsonArray cutters;
        QJsonArray intervals;
        for (std::size_t k = 0; k < key.rows.size(); ++k) {
            const InputRow &row = key.rows[k];
            const QString text =
                QString::fromStdString(TextAt(texts, key.first + static_cast<int>(k)));
            if (row.cutter == 0)
                object.insert(QLatin1String(key.Name()), text);
            else if (row.interval == 0)
                cutters.append(text);
            else
                intervals.append(text);
            if (row.interval == kIntervals) {
                cutters.append(intervals);
                intervals = QJsonArray();
            }
        }
        if (key.KeyShape() != Shape::One)
            object.insert(QLatin1String(key.Name()), cutters);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ExperimentRead ReadExperimentFile(const QString &path) {
    return ReadExperimentFileAt(QFile::encodeName(path));
}

ExperimentRead ReadExperimentFileAt(const QByteArray &nativePath, QByteArray *sha256) {
    const Expected<QByteArray> read = ReadOrdinaryFileAt(nativePath, kMaxExperimentFileBytes);
    if (!read)
        return read.Error();
    if (sha256)
        *sha256 = QCryptographicHash::hash(*read, QCryptographicHash::Sha256);
    return ParseExperiment(*read);
}

Expected<void> WriteExperimentFile(const QString &path, const ExperimentTexts &texts) {
    if (Expected<void> checked = CheckForSaving(texts); !checked)
        return checked;
    return WriteWholeFile(path, SerializeExperiment(texts));
}

} // namespace kvr
