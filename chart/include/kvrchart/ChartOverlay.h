#pragma once

class QImage;
class QPalette;

namespace kvr::chart {

// Drawn over the picture on the screen only: a zoom drag's rectangle, the focus frame.
class ChartOverlay {
public:
    virtual bool Shown() const = 0;
    // Draws on the picture the screen shows, in the view's palette.
    virtual void Draw(QImage &picture, const QPalette &palette) const = 0;

protected:
    ~ChartOverlay() = default;
};

} // namespace kvr::chart
