#include "LabLimits.h"

#include "CalculationRun.h"
#include "FileAccess.h"
#include "NativeNames.h"
#include "NumberSyntax.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>

#include <algorithm>
#include <cmath>

namespace kvr {

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("Limits", text); }

std::optional<std::size_t> IndexOf(std::string_view key) {
    const auto found = std::find_if(std::begin(kLabLimits), std::end(kLabLimits),
                                    [key](const LabLimit &limit) { return limit.key == key; });
    if (found == std::end(kLabLimits))
        return std::nullopt;
    return std::size_t(found - std::begin(kLabLimits));
}

// A few lines; anything longer is no limits file.
constexpr qint64 kMaxLimitsBytes = 64 * 1024;

std::optional<double> Number(const QByteArray &word) {
    const NumberReading reading = ReadNumber(WithPoints(word.toStdString()));
    if (reading.code != 0 || !std::isfinite(reading.value))
        return std::nullopt;
    return reading.value;
}

} // namespace

LabLimits::LabLimits() {
    for (std::size_t k = 0; k < m_ranges.size(); ++k)
        m_ranges[k] = kLabLimits[k].range;
}

std::optional<LimitRange> LabLimits::Of(std::string_view key) const {
    if (const std::optional<std::size_t> index = IndexOf(key))
        return m_ranges[*index];
    return std::nullopt;
}

Expected<LabLimits> LabLimits::Read(const QString &path) {
    if (path.isEmpty())
        return LabLimits();
    const auto refused = [&path](const QString &why) {
        return Failure(Tr(QT_TRANSLATE_NOOP("Limits", "межі «%1» не прочитати: %2"))
                           .arg(ReadableName(QFile::encodeName(path)), why));
    };
    const Expected<QByteArray> bytes = ReadOrdinaryFile(path, kMaxLimitsBytes);
    if (!bytes)
        return refused(bytes.Error().Reason(FileAction::Open));
    Expected<LabLimits> limits = Parse(*bytes);
    if (!limits)
        return refused(limits.Error().Reason(FileAction::Open));
    return limits;
}

Expected<LabLimits> LabLimits::Parse(const QByteArray &text) {
    LabLimits limits;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QByteArray line = lines[number].split('#').constFirst().simplified();
        if (line.isEmpty())
            continue;
        const QString where = Tr(QT_TRANSLATE_NOOP("Limits", "рядок %1: ")).arg(number + 1);
        const QList<QByteArray> words = line.split(' ');
        const std::optional<std::size_t> index = IndexOf(words[0].toStdString());
        if (!index)
            return Failure(where + Tr(QT_TRANSLATE_NOOP("Limits", "невідома величина «%1»"))
                                       .arg(QString::fromUtf8(words[0])));
        const std::optional<double> low = words.size() == 3 ? Number(words[1]) : std::nullopt;
        const std::optional<double> high = words.size() == 3 ? Number(words[2]) : std::nullopt;
        if (!low || !high || *low >= *high)
            return Failure(where + Tr(QT_TRANSLATE_NOOP("Limits", "після назви мають стояти "
                                                                  "два числа, менше і більше")));
        limits.m_ranges[*index] = {*low, *high};
    }
    return limits;
}

} // namespace kvr
