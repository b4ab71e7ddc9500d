#include "ExperimentFile.h"

#include "Quantities.h"
#include "QuantityTexts.h"

#include <QCoreApplication>
#include <QFile>
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

template <typename Texts> auto &TextAt(Texts &texts, int slot) {
    if (slot == kNameSlot)
        return texts.name;
    if (slot == kChosenTimeSlot)
        return texts.chosenTime;
    return texts.fields[static_cast<std::size_t>(slot)];
}

QString Label(int slot) { return FieldLabel(TypedValueAt(slot)); }

// Messages name what the reader found wrong in the interface's language.
QString Tr(const char *text) { return QCoreApplication::translate("File", text); }

// Code points, as a person counts characters.
qsizetype Characters(const QString &text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isLowSurrogate(); });
}

// Why a field may not hold this text; empty when it may.
std::string TextProblem(int slot, const QString &text) {
    if (Characters(text) > kMaxTextCharacters)
        return Tr(QT_TRANSLATE_NOOP("File", "текст поля «%1» довший за 1 000 символів"))
            .arg(Label(slot))
            .toStdString();
    if (slot < 0)
        return {};
    const auto items = ListItems(slot);
    const std::string value = text.toStdString();
    if (items.empty() || std::find(items.begin(), items.end(), value) != items.end())
        return {};
    constexpr qsizetype kShown = 40;
    const QString shown =
        Characters(text) > kShown ? text.left(kShown) + QStringLiteral("…") : text;
    return Tr(QT_TRANSLATE_NOOP("File", "значення «%1» поля %2 не є жодним із пунктів його списку"))
        .arg(shown, Label(slot))
        .toStdString();
}

// Calls `visit` with each slot of a key and its place in the key's value, from 0.
void ForEachSlot(const Quantity &key, const std::function<void(int slot, int i, int j)> &visit) {
    for (const QuantityValue &value : QuantityValues({&key, 1}))
        visit(value.Slot(), value.cutter - 1, value.interval - 1);
}

std::string WrongType(const Quantity &key) {
    const char *pattern =
        QT_TRANSLATE_NOOP("File", "ключ «%1» має бути списком із 3 списків по 3 тексти");
    if (key.shape == Shape::One)
        pattern = QT_TRANSLATE_NOOP("File", "ключ «%1» має бути текстом");
    else if (key.shape == Shape::PerCutter)
        pattern = QT_TRANSLATE_NOOP("File", "ключ «%1» має бути списком із 3 текстів");
    return Tr(pattern).arg(QLatin1String(key.key)).toStdString();
}

bool HasShape(const QJsonValue &value, int count) {
    return value.isArray() && value.toArray().size() == count;
}

// Reads one key into `texts`; the reason it cannot, or empty.
std::string ReadKey(const QJsonObject &object, const Quantity &key, ExperimentTexts &texts) {
    const QString name = QString::fromLatin1(key.key);
    if (!object.contains(name))
        return Tr(QT_TRANSLATE_NOOP("File", "бракує ключа «%1»"))
            .arg(QLatin1String(key.key))
            .toStdString();
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

ExperimentRead ParseExperiment(const QByteArray &bytes) {
    if (bytes.size() > kMaxExperimentFileBytes)
        return FailureReason({FileProblem::TooLarge}, FileAction::Open);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return Tr(QT_TRANSLATE_NOOP("File", "вміст не є правильним текстом JSON")).toStdString();
    const QJsonObject object = document.object();
    if (!document.isObject() ||
        object.value(QStringLiteral("format")).toString() != QLatin1String(kFormat))
        return Tr(QT_TRANSLATE_NOOP("File", "це не файл досліду KVR")).toStdString();
    if (!object.contains(QStringLiteral("version")))
        return Tr(QT_TRANSLATE_NOOP("File", "бракує ключа «version»")).toStdString();
    const QJsonValue version = object.value(QStringLiteral("version"));
    const double number = version.toDouble();
    if (!version.isDouble() || !(number >= 1) || std::floor(number) != number)
        return Tr(QT_TRANSLATE_NOOP("File", "ключ «version» має бути цілим числом від 1"))
            .toStdString();
    if (number > kVersion)
        return Tr(QT_TRANSLATE_NOOP("File",
                                    "файл записано новішою програмою: версія формату вища за 1"))
            .toStdString();
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
    return ReadExperimentFileAt(QFile::encodeName(path));
}

ExperimentRead ReadExperimentFileAt(const QByteArray &nativePath) {
    const Expected<QByteArray> read = ReadOrdinaryFileAt(nativePath, kMaxExperimentFileBytes);
    if (!read)
        return read.Error().Reason(FileAction::Open).toStdString();
    return ParseExperiment(*read);
}

std::string WriteExperimentFile(const QString &path, const ExperimentTexts &texts) {
    if (std::string problem = CheckForSaving(texts); !problem.empty())
        return problem;
    if (const Expected<void> written = WriteWholeFile(path, SerializeExperiment(texts)); !written)
        return written.Error().Reason(FileAction::Save).toStdString();
    return {};
}

} // namespace kvr
