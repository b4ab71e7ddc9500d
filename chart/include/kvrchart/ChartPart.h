#pragma once

#include <QLocale>

#include <initializer_list>
#include <span>

namespace kvr::chart {

struct ChartLayout;
class TChartSeries;

// What a chart part may ask of the panel it belongs to. The panel implements it; the
// parts never see the panel itself.
class ChartHost {
public:
    // A stored value changed: every picture of the chart is stale.
    virtual void Invalidate() = 0;
    // While a window applies its stored definition, setters skip checks and couplings.
    virtual bool Loading() const = 0;
    virtual std::span<const TChartSeries *const> SeriesList() const = 0;
    // The locale that writes value labels.
    virtual QLocale LabelLocale() const = 0;

protected:
    ~ChartHost() = default;
};

// Base of every chart setting holder: setters store only a different value and then tell
// the panel, so an unchanged value never causes a repaint. A part owned by another part
// (a pen of an axis, a font of a title) reaches the panel through its owner, so only the
// top-level parts are attached to a host.
class ChartPart {
public:
    ChartPart() = default;
    ChartPart(const ChartPart &) = delete;
    ChartPart &operator=(const ChartPart &) = delete;

    void AttachTo(ChartHost *host) { m_host = host; }
    ChartHost *Host() const {
        for (const ChartPart *part = this; part; part = part->m_owner) {
            if (part->m_host)
                return part->m_host;
        }
        return nullptr;
    }

protected:
    ~ChartPart() = default;

    void Own(std::initializer_list<ChartPart *> parts) {
        for (ChartPart *part : parts)
            part->m_owner = this;
    }
    template <class T, class V> bool Store(T &field, const V &value) {
        if (field == value)
            return false;
        field = value;
        Changed();
        return true;
    }
    void Changed() const {
        if (ChartHost *host = Host())
            host->Invalidate();
    }
    bool Loading() const {
        const ChartHost *host = Host();
        return host && host->Loading();
    }

private:
    const ChartPart *m_owner = nullptr;
    ChartHost *m_host = nullptr;
};

} // namespace kvr::chart
