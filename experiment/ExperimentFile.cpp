#include "ExperimentFile.h"

#include "Quantities.h"
#include "QuantityTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <functional>

namespace kvr {

namespace {

constexpr const char *kFormat = "kvr-experiment";
constexpr int kVersion = 1;

const char *const kAngles[] = {"30", "45", "60"};
const char *const kClearanceAngles[] = {"3", "5", "8"};
const char *const kRakeAngles[] = {"-15", "0", "10"};
const char *const kMaterials[] = {
    "сталь 10",     "сталь 20",     "сталь 25",       "сталь 30",     "сталь 35",
    "сталь 40",     "сталь 45",     "сталь 50",       "сталь 55",     "сталь 60",
    "сталь 20Г",    "сталь 30Г",    "сталь 50Г",      "сталь 20Х",    "сталь 40Х",
    "сталь 45Х",    "сталь 30ХМ",   "сталь 35ХМ",     "сталь 40ХН",   "сталь 50ХН",
    "сталь 40ХФА",  "сталь 38ХМЮА", "сталь 12ХН3А",   "сталь 20ХН3А", "сталь 30ХН3А",
    "сталь 40ХНМА", "сталь 30ХГСА", "сталь 12Х18Н9Т",
};

template <typename Texts> auto &TextAt(Texts &texts, int slot) {
    if (slot == kNameSlot)
        return texts.name;
    if (slot == kChosenTimeSlot)
        return texts.chosenTime;
    return texts.fields[static_cast<std::size_t>(slot)];
}

std::string Label(int slot) { return FieldLabel(TypedValueAt(slot)).toStdString(); }

// Code points, as a person counts characters.
qsizetype Characters(const QString &text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isLowSurrogate(); });
}

// Why a field may not hold this text; empty when it may.
std::string TextProblem(int slot, const QString &text) {
    if (Characters(text) > kMaxTextCharacters)
        return "текст поля " + Label(slot) + " довший за 1 000 символів";
    if (slot < 0)
        return {};
    const auto items = ListItems(slot);
    const std::string value = text.toStdString();
    if (items.empty() || std::find(items.begin(), items.end(), value) != items.end())
        return {};
    constexpr qsizetype kShown = 40;
    const QString shown =
        Characters(text) > kShown ? text.left(kShown) + QStringLiteral("…") : text;
    return "значення «" + shown.toStdString() + "» поля " + Label(slot) +
           " не є жодним із пунктів його списку";
}

// Calls `visit` with each slot of a key and its place in the key's value, from 0.
void ForEachSlot(const Quantity &key, const std::function<void(int slot, int i, int j)> &visit) {
    for (const QuantityValue &value : QuantityValues({&key, 1}))
        visit(value.Slot(), value.cutter - 1, value.interval - 1);
}

std::string WrongType(const Quantity &key) {
    const std::string name = std::string("ключ «") + key.key + "» має бути ";
    switch (key.shape) {
    case Shape::One:
        return name + "текстом";
    case Shape::PerCutter:
        return name + "списком із 3 текстів";
    case Shape::PerInterval:
        break;
    }
    return name + "списком із 3 списків по 3 тексти";
}

bool HasShape(const QJsonValue &value, int count) {
    return value.isArray() && value.toArray().size() == count;
}

// Reads one key into `texts`; the reason it cannot, or empty.
std::string ReadKey(const QJsonObject &object, const Quantity &key, ExperimentTexts &texts) {
    const QString name = QString::fromLatin1(key.key);
    if (!object.contains(name))
        return std::string("бракує ключа «") + key.key + "»";
    const QJsonValue value = object.value(name);
    bool shapeHolds = key.shape == Shape::One ? value.isString() : HasShape(value, kCutters);
    ForEachSlot(key, [&](int, int i, int j) {
        if (j == 0)
            shapeHolds = shapeHolds && HasShape(value.toArray().at(i), kIntervals);
    });
    if (!shapeHolds)
        return WrongType(key);
    std::string problem;
    ForEachSlot(key, [&](int slot, int i, int j) {
        QJsonValue item = i < 0 ? value : value.toArray().at(i);
        if (j >= 0)
            item = item.toArray().at(j);
        if (!problem.empty())
            return;
        if (!item.isString())
            problem = WrongType(key);
        else if (problem = TextProblem(slot, item.toString()); problem.empty())
            TextAt(texts, slot) = item.toString().toStdString();
    });
    return problem;
}

} // namespace

std::vector<NamedText> NamedTexts(const ExperimentTexts &texts) {
    std::vector<NamedText> named;
    for (const QuantityValue &value : QuantityValues(kTypedQuantities))
        named.push_back({value.Column(), TextAt(texts, value.Slot())});
    return named;
}

std::span<const char *const> ListItems(int slot) {
    switch (slot) {
    case 0:
    case 1:
        return kAngles;
    case 2:
        return kClearanceAngles;
    case 3:
        return kRakeAngles;
    case 4:
        return kMaterials;
    default:
        return {};
    }
}

ExperimentRead ParseExperiment(const QByteArray &bytes) {
    if (bytes.size() > kMaxExperimentFileBytes)
        return FailureReason({FileProblem::TooLarge}, FileAction::Open);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return std::string("вміст не є правильним текстом JSON");
    const QJsonObject object = document.object();
    if (!document.isObject() ||
        object.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return std::string("це не файл досліду KVR");
    if (!object.contains(QStringLiteral("version")))
        return std::string("бракує ключа «version»");
    const QJsonValue version = object.value(QStringLiteral("version"));
    const double number = version.toDouble();
    if (!version.isDouble() || !(number >= 1) || std::floor(number) != number)
        return std::string("ключ «version» має бути цілим числом від 1");
    if (number > kVersion)
        return std::string("файл записано новішою програмою: версія формату вища за 1");
    ExperimentTexts texts;
    for (const Quantity &key : kTypedQuantities)
        if (std::string problem = ReadKey(object, key, texts); !problem.empty())
            return problem;
    return texts;
}

std::string CheckForSaving(const ExperimentTexts &texts) {
    for (const Quantity &key : kTypedQuantities) {
        std::string problem;
        ForEachSlot(key, [&](int slot, int, int) {
            if (problem.empty())
                problem = TextProblem(slot, QString::fromStdString(TextAt(texts, slot)));
        });
        if (!problem.empty())
            return problem;
    }
    return {};
}

QByteArray SerializeExperiment(const ExperimentTexts &texts) {
    QJsonObject object{{QStringLiteral("format"), QLatin1String(kFormat)},
                       {QStringLiteral("version"), kVersion}};
    for (const Quantity &key : kTypedQuantities) {
        QJsonArray cutters;
        QJsonArray intervals;
        ForEachSlot(key, [&](int slot, int i, int j) {
            const QString text = QString::fromStdString(TextAt(texts, slot));
            if (i < 0)
                object.insert(QLatin1String(key.key), text);
            else if (j < 0)
                cutters.append(text);
            else
                intervals.append(text);
            if (j == kIntervals - 1) {
                cutters.append(intervals);
                intervals = QJsonArray();
            }
        });
        if (key.shape != Shape::One)
            object.insert(QLatin1String(key.key), cutters);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ExperimentRead ReadExperimentFile(const QString &path) {
    const FileRead read = ReadOrdinaryFile(path, kMaxExperimentFileBytes);
    if (const auto *failure = std::get_if<FileFailure>(&read))
        return FailureReason(*failure, FileAction::Open);
    return ParseExperiment(std::get<QByteArray>(read));
}

std::string WriteExperimentFile(const QString &path, const ExperimentTexts &texts) {
    if (std::string problem = CheckForSaving(texts); !problem.empty())
        return problem;
    const auto written = WriteWholeFile(path, SerializeExperiment(texts));
    if (const auto *failure = std::get_if<FileFailure>(&written))
        return FailureReason(*failure, FileAction::Save);
    return {};
}

} // namespace kvr
