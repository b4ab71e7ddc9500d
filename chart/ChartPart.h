#pragma once

// Whatever must repaint when a chart setting changes (the chart panel).
class ChangeSink {
public:
    virtual void Invalidate() = 0;

protected:
    ~ChangeSink() = default;
};

// Base of every chart setting holder: setters store only a different value and then
// tell the owning chart, so an unchanged value never causes a repaint.
class ChartPart {
public:
    ChartPart() = default;
    ChartPart(const ChartPart &) = delete;
    ChartPart &operator=(const ChartPart &) = delete;

    void SetSink(ChangeSink *sink) { m_sink = sink; }
    ChangeSink *Sink() const { return m_sink; }

protected:
    ~ChartPart() = default;

    template <class T, class V> bool Store(T &field, const V &value) {
        if (field == value)
            return false;
        field = value;
        Changed();
        return true;
    }
    void Changed() const {
        if (m_sink)
            m_sink->Invalidate();
    }

private:
    ChangeSink *m_sink = nullptr;
};
