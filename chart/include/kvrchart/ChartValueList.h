#pragma once

#include "ChartPart.h"

#include <QString>
#include <mutex>
#include <span>
#include <vector>

namespace kvr::chart {

enum class TChartListOrder { loNone, loAscending, loDescending };

// One list of a series' values. Values are stored as given; reading multiplies them by
// Multiplier. The statistics are recomputed once after a change, when first asked for.
class TChartValueList : public ChartPart {
public:
    explicit TChartValueList(const QString &name, TChartListOrder order);

    QString Name() const { return m_name; }
    TChartListOrder Order() const { return m_order; }
    double Multiplier() const { return m_multiplier; }
    bool DateTime() const { return m_dateTime; }
    void SetName(const QString &value) { Store(m_name, value); }
    void SetOrder(TChartListOrder value) { Store(m_order, value); }
    void SetMultiplier(double value);
    void SetDateTime(bool value) { Store(m_dateTime, value); }

    // Stores the value where Order puts it, scanning from the end; returns its index.
    int AppendOrdered(double value);
    void InsertAt(int index, double value);
    // Appends the values from the front that AppendOrdered would put at the end, one after
    // another; returns how many.
    std::size_t AppendInOrder(std::span<const double> values);
    // Appends the values as given, whatever Order says.
    void AppendValues(std::span<const double> values);
    void RemoveAllValues();

    int Count() const { return int(m_values.size()); }
    double ValueAt(int index) const { return m_values[std::size_t(index)] * m_multiplier; }
    double LastValue() const { return ValueAt(Count() - 1); }
    // The values as stored, before Multiplier.
    std::span<const double> StoredValues() const { return m_values; }
    // Bytes held for the values, for memory accounting.
    std::size_t CapacityBytes() const { return m_values.capacity() * sizeof(double); }
    // Whether every stored value is a number, so that an ordered list really is sorted.
    bool AllNumbers() const { return m_nanCount == 0; }
    // Whether the stored values have been ascending numbers since the list was emptied.
    bool StoredAscending() const { return m_storedAscending; }

    // Non-finite values are left out of the statistics, so one of them cannot spoil
    // an axis range.
    double HighestValue() const;
    double LowestValue() const;
    double SumOfValues() const;
    double SumOfMagnitudes() const;

private:
    void Grow(std::size_t added = 1);
    std::size_t Append(std::span<const double> values, bool keepOrder);
    void RecalculateExtremes() const;
    bool SortedExtremes() const;
    void RecalculateSums() const;
    void NoteOrderAt(std::size_t index);

    QString m_name;
    TChartListOrder m_order;
    double m_multiplier = 1.0;
    bool m_dateTime = false;
    std::vector<double> m_values;
    int m_nanCount = 0;
    bool m_storedAscending = true;

    // Drawings on several threads may ask for the statistics at once.
    mutable std::mutex m_statsMutex;
    mutable bool m_statsStale = true;
    mutable bool m_sumsStale = true;
    mutable double m_highest = 0.0;
    mutable double m_lowest = 0.0;
    mutable double m_sum = 0.0;
    mutable double m_sumOfMagnitudes = 0.0;
};

} // namespace kvr::chart
