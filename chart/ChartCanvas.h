#pragma once

#include <kvrchart/ChartColor.h>
#include <kvrchart/ChartGeometry.h>
#include <kvrchart/ChartPen.h>

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QStaticText>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace kvr::chart {

enum class TextAlignH { Left, Center, Right };

// Pixels of a 32-bit image written without the painter; bits is null where that would
// not give the painter's result.
struct DirectPixels {
    uchar *bits = nullptr;
    qsizetype bytesPerLine = 0;
    // The pixels that may be written, both ends included: a clip within the image.
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    quint32 pixel = 0;

    void Set(int x, int y) const {
        if (x >= left && x <= right && y >= top && y <= bottom)
            reinterpret_cast<quint32 *>(bits + y * bytesPerLine)[x] = pixel;
    }
};
enum class TextAlignV { Top, Bottom };

// The drawing surface of the chart: a QPainter on an image, aliased, speaking the chart's
// pixel conventions so that the code above it uses its own coordinates unchanged:
// a line leaves out its end point, a rectangle's right and bottom are exclusive,
// an ellipse fills the same box a rectangle would, system colours resolve when drawn.
class ChartCanvas {
public:
    ChartCanvas(QImage &target, const QPalette &palette);
    // Draws through a painter already open on a vector device (a printer, a PDF page), in
    // the chart's own pixels: text is measured as on the screen, so the layout is the
    // window's, and the painter's transform scales the whole picture.
    ChartCanvas(QPainter &painter, QSize bounds, const QPalette &palette);
    // Whether pixels are drawn straight into an image, not onto a vector device.
    bool OnImage() const { return m_image != nullptr; }
    ~ChartCanvas();
    ChartCanvas(const ChartCanvas &) = delete;
    ChartCanvas &operator=(const ChartCanvas &) = delete;

    const QPalette &Palette() const { return m_palette; }
    QColor Resolve(TColor color) const { return ResolveColor(color, m_palette); }

    // Pen: a hidden chart pen becomes psClear; SmallDots at width 1 sets every other
    // pixel.
    void ApplyPen(const TChartPen &pen);
    void SetPen(TColor color, int width = 1, TPenStyle style = TPenStyle::psSolid,
                TPenMode mode = TPenMode::pmCopy);
    void SetPenColor(TColor color);
    void SetPenStyle(TPenStyle style);
    TColor PenColor() const { return m_penColor; }
    bool PenVisible() const { return m_penStyle != TPenStyle::psClear; }

    void SetBrush(TColor color, TBrushStyle style);
    void SetBrushColor(TColor color) { m_brushColor = color; }
    void SetBrushStyle(TBrushStyle style) { m_brushStyle = style; }
    void SetBrushBitmap(const QImage &bitmap) { m_brushBitmap = bitmap; }
    TColor BrushColor() const { return m_brushColor; }
    TBrushStyle BrushStyle() const { return m_brushStyle; }

    void SetFont(const TChartFont &font);
    void SetFont(const QFont &font, TColor color);
    void SetBackOpaque(bool opaque) { m_backOpaque = opaque; }
    void SetBackColor(TColor color) { m_backColor = color; }
    void SetTextAlign(TextAlignH horizontal, TextAlignV vertical);

    int TextWidth(const QString &text) const;
    int TextHeight(const QString &text) const;
    // The chart's font height: the measured height of "W".
    int FontHeight() const { return TextHeight(QStringLiteral("W")); }

    void MoveTo(int x, int y) { m_current = QPoint(x, y); }
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1);
    // The same as Line for each in turn, in one go: a wide pen strokes them together.
    void Lines(std::span<const QLine> lines);
    void HorizLine(int x0, int x1, int y) { Line(x0, y, x1, y); }
    void VertLine(int x, int y0, int y1) { Line(x, y0, x, y1); }
    void Rectangle(const ChartRect &r);
    void FillRect(const ChartRect &r);
    void Ellipse(const ChartRect &r);
    void Polygon(std::span<const QPoint> points);
    void SetPixel(int x, int y, TColor color);
    // Text at (x, y) by the current alignment; angle turns it counter-clockwise about
    // the reference point, the alignment applying along the turned text.
    void TextOut(int x, int y, const QString &text, int angle = 0);
    // Black text in a box, at the font's own size on the device; upward turns it a quarter
    // counter-clockwise, centred in the box.
    void TextBox(const QRectF &box, const QString &text, const QFont &font, bool upward);
    void ClipRect(const ChartRect &r);
    void UnClip();

    // Rings of one pixel, top and left in one colour, bottom and right in the other;
    // returns the rectangle inside the rings.
    ChartRect BevelRings(ChartRect r, TColor topLeft, TColor bottomRight, int count);

    // The state the chart leaves behind after every picture.
    void Reset();

private:
    struct FontMeasures;
    FontMeasures &Measures() const;
    QFont DeviceFont() const;
    struct ShapedText {
        QStaticText text;
        int width = 0;
    };
    const ShapedText &Shaped(const QString &text) const;
    struct PenState {
        TColor color;
        int width;
        TPenStyle style;
        bool smallDots;
        bool operator==(const PenState &) const = default;
    };
    const QPen &MakePen() const;
    QPen NewPen() const;
    bool CutToReach(int &x0, int &y0, int &x1, int &y1) const;
    void ThinLine(int x0, int y0, int x1, int y1);
    void WideLine(int x0, int y0, int x1, int y1);
    // Where a wide line is stroked so that it covers the pixels of a thin one and beside them.
    static QLine WideStroke(int x0, int y0, int x1, int y1);
    std::span<const int> DashPattern() const;
    DirectPixels DirectTarget(const QColor &color);
    QBrush MakeBrush() const;
    void ApplyMode();
    void PrepareOutline();
    void PrepareFill();
    void FillSpan(const ChartRect &r, const QColor &color);
    bool HasBrush() const {
        return m_brushStyle != TBrushStyle::bsClear || !m_brushBitmap.isNull();
    }

    QImage *m_image = nullptr; // null on a vector device
    QSize m_bounds;
    QPalette m_palette;
    QPainter m_ownPainter;
    QPainter &m_painter;
    qreal m_pointScale = 1; // the screen's dots per inch over the device's
    // Whether the painter's font is other than the canvas' (a turned text restores the one
    // before it).
    bool m_painterFontStale = true;

    TColor m_penColor = clBlack;
    int m_penWidth = 1;
    TPenStyle m_penStyle = TPenStyle::psSolid;
    TPenMode m_penMode = TPenMode::pmCopy;
    bool m_penSmallDots = false;

    TColor m_brushColor = clWhite;
    TBrushStyle m_brushStyle = TBrushStyle::bsSolid;
    QImage m_brushBitmap;

    QFont m_font;
    mutable FontMeasures *m_measures = nullptr;
    TColor m_fontColor = clBlack;
    bool m_backOpaque = false;
    TColor m_backColor = clWhite;
    TextAlignH m_alignH = TextAlignH::Left;
    TextAlignV m_alignV = TextAlignV::Top;
    mutable std::optional<std::pair<PenState, QPen>> m_madePen;
    QPoint m_current;
    QRect m_clip;
    bool m_clipped = false;
};

} // namespace kvr::chart
