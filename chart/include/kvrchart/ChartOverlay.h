#pragma once

namespace kvr::chart {

class ChartCanvas;

// Drawn over the picture on the screen only: a zoom drag's rectangle, the focus frame.
class ChartOverlay {
public:
    virtual bool Shown() const = 0;
    virtual void Draw(ChartCanvas &canvas) const = 0;

protected:
    ~ChartOverlay() = default;
};

} // namespace kvr::chart
