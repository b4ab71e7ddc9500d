#include "ChartCanvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QPolygon>
#include <QStaticText>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace kvr::chart {

namespace {

Qt::PenStyle ToQtPenStyle(TPenStyle style) {
    switch (style) {
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    case TPenStyle::psSolid:
    case TPenStyle::psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style) {
    switch (style) {
    case TBrushStyle::bsClear:
        return Qt::NoBrush;
    case TBrushStyle::bsHorizontal:
        return Qt::HorPattern;
    case TBrushStyle::bsVertical:
        return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal:
        return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal:
        return Qt::BDiagPattern;
    case TBrushStyle::bsCross:
        return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross:
        return Qt::DiagCrossPattern;
    case TBrushStyle::bsSolid:
        break;
    }
    return Qt::SolidPattern;
}

// What text measures on the screen: a chart's own picture is an image like this one.
QImage &ScreenReference() {
    static QImage reference(1, 1, QImage::Format_RGB32);
    return reference;
}

} // namespace

ChartCanvas::ChartCanvas(QImage &target, const QPalette &palette)
    : m_image(&target), m_bounds(target.size()), m_palette(palette), m_ownPainter(&target),
      m_painter(m_ownPainter) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_font = TChartFont().ToQFont();
}

ChartCanvas::ChartCanvas(QPainter &painter, QSize bounds, const QPalette &palette)
    : m_bounds(bounds), m_palette(palette), m_painter(painter),
      m_pointScale(qreal(ScreenReference().logicalDpiY()) / painter.device()->logicalDpiY()) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_font = TChartFont().ToQFont();
}

ChartCanvas::~ChartCanvas() {
    if (!m_image)
        m_painter.restore();
}

void ChartCanvas::ApplyPen(const TChartPen &pen) {
    m_penColor = pen.Color();
    m_penWidth = pen.Width();
    m_penStyle = pen.Visible() ? pen.Style() : TPenStyle::psClear;
    m_penMode = pen.Mode();
    m_penSmallDots = pen.Visible() && pen.SmallDots() && pen.Width() == 1;
}

void ChartCanvas::SetPen(TColor color, int width, TPenStyle style, TPenMode mode) {
    m_penColor = color;
    m_penWidth = width;
    m_penStyle = style;
    m_penMode = mode;
    m_penSmallDots = false;
}

void ChartCanvas::SetPenColor(TColor color) { m_penColor = color; }

void ChartCanvas::SetPenStyle(TPenStyle style) {
    m_penStyle = style;
    if (style == TPenStyle::psClear)
        m_penSmallDots = false;
}

void ChartCanvas::SetBrush(TColor color, TBrushStyle style) {
    m_brushColor = color;
    m_brushStyle = style;
    m_brushBitmap = QImage();
}

void ChartCanvas::SetFont(const TChartFont &font) { SetFont(font.ToQFont(), font.Color()); }

void ChartCanvas::SetFont(const QFont &font, TColor color) {
    m_fontColor = color;
    if (font == m_font)
        return;
    m_font = font;
    m_measures = nullptr;
    m_painterFontStale = true;
}

// What measuring a font gives, kept from picture to picture: asking the font database
// for an engine and shaping a text cost more than the rest of writing it, and a chart
// measures the same few fonts and labels on every drawing.
struct ChartCanvas::FontMeasures {
    FontMeasures(const QFont &font, QPaintDevice *device)
        : metrics(font, device), height(metrics.height()), ascent(metrics.ascent()),
          exactAscent(QFontMetricsF(font, device).ascent()) {}

    QFontMetrics metrics;
    int height;
    int ascent;
    // Where a laid-out line puts its baseline below its top.
    qreal exactAscent;
    QHash<QString, int> widths;
    // Every picture writes the same labels again: they are shaped once, and kept with
    // their widths.
    QHash<QString, ShapedText> shaped;
};

ChartCanvas::FontMeasures &ChartCanvas::Measures() const {
    if (m_measures)
        return *m_measures;
    using Known = QHash<QString, std::shared_ptr<FontMeasures>>;
    // Each thread measures and shapes with its own: a chart may be drawn on several at once.
    // The main thread's are never destroyed: they must not outlive the application's fonts
    // at exit; another thread's go when it ends.
    static auto *mainThreadKnown = new Known();
    thread_local Known otherThreadKnown;
    const QCoreApplication *application = QCoreApplication::instance();
    Known *known = !application || QThread::currentThread() == application->thread()
                       ? mainThreadKnown
                       : &otherThreadKnown;
    QPaintDevice *device = m_image ? static_cast<QPaintDevice *>(m_image) : &ScreenReference();
    const QString key = m_font.key() + QLatin1Char('@') + QString::number(device->logicalDpiY());
    std::shared_ptr<FontMeasures> &measures = (*known)[key];
    if (!measures)
        measures = std::make_shared<FontMeasures>(m_font, device);
    m_measures = measures.get();
    return *m_measures;
}

const ChartCanvas::ShapedText &ChartCanvas::Shaped(const QString &text) const {
    QHash<QString, ShapedText> &shaped = Measures().shaped;
    if (shaped.size() >= 1024)
        shaped.clear();
    auto found = shaped.find(text);
    if (found == shaped.end()) {
        found = shaped.insert(text, {QStaticText(text), TextWidth(text)});
        found->text.setTextFormat(Qt::PlainText);
        found->text.setPerformanceHint(QStaticText::AggressiveCaching);
    }
    return *found;
}

// A point size means more device pixels on a finer device; the painter's transform already
// scales the chart's pixels, so the font keeps the size it has on the screen.
QFont ChartCanvas::DeviceFont() const {
    if (m_pointScale == 1 || m_font.pointSizeF() <= 0)
        return m_font;
    QFont font = m_font;
    font.setPointSizeF(m_font.pointSizeF() * m_pointScale);
    return font;
}

void ChartCanvas::SetTextAlign(TextAlignH horizontal, TextAlignV vertical) {
    m_alignH = horizontal;
    m_alignV = vertical;
}

int ChartCanvas::TextWidth(const QString &text) const {
    FontMeasures &measures = Measures();
    const auto known = measures.widths.constFind(text);
    if (known != measures.widths.cend())
        return *known;
    constexpr qsizetype kMostTexts = 4096;
    if (measures.widths.size() >= kMostTexts)
        measures.widths.clear();
    const int width = measures.metrics.horizontalAdvance(text);
    measures.widths.insert(text, width);
    return width;
}

int ChartCanvas::TextHeight(const QString &text) const {
    Q_UNUSED(text);
    return Measures().height;
}

const QPen &ChartCanvas::MakePen() const {
    // Lines in a row mostly share their pen: keep the one made last.
    const PenState state{m_penColor, m_penWidth, m_penStyle, m_penSmallDots};
    if (m_madePen && m_madePen->first == state)
        return m_madePen->second;
    m_madePen.emplace(state, NewPen());
    return m_madePen->second;
}

QPen ChartCanvas::NewPen() const {
    if (m_penStyle == TPenStyle::psClear)
        return QPen(Qt::NoPen);
    QPen pen(Resolve(m_penColor));
    // Flat caps leave the end point of an aliased line undrawn.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setWidth(m_penWidth <= 1 ? 1 : m_penWidth);
    if (m_penSmallDots) {
        pen.setWidth(1);
        pen.setDashPattern({1.0, 1.0});
    } else {
        pen.setStyle(ToQtPenStyle(m_penStyle));
    }
    return pen;
}

QBrush ChartCanvas::MakeBrush() const {
    if (!m_brushBitmap.isNull())
        return QBrush(m_brushBitmap);
    return QBrush(Resolve(m_brushColor), ToQtBrushStyle(m_brushStyle));
}

void ChartCanvas::ApplyMode() {
    m_painter.setCompositionMode(m_penMode == TPenMode::pmNotXor
                                     ? QPainter::RasterOp_NotSourceXorDestination
                                     : QPainter::CompositionMode_SourceOver);
    // The background only shows behind hatches and broken pens; Qt's opaque mode also
    // changes how solid outlines are rasterised, so it is set only where it shows.
    const bool patterned =
        (m_brushStyle != TBrushStyle::bsSolid && m_brushStyle != TBrushStyle::bsClear) ||
        (m_penStyle != TPenStyle::psSolid && m_penStyle != TPenStyle::psClear) || m_penSmallDots;
    m_painter.setBackgroundMode(m_backOpaque && patterned ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(Resolve(m_backColor));
}

void ChartCanvas::PrepareOutline() {
    ApplyMode();
    m_painter.setPen(MakePen());
    m_painter.setBrush(Qt::NoBrush);
}

void ChartCanvas::PrepareFill() {
    ApplyMode();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(MakeBrush());
}

void ChartCanvas::LineTo(int x, int y) { Line(m_current.x(), m_current.y(), x, y); }

// A segment running far beyond the image is cut to a generous box around it first, so
// that stepping it costs pixels of the image, not billions off it.
bool ChartCanvas::CutToReach(int &x0, int &y0, int &x1, int &y1) const {
    const double margin = 64.0 + m_penWidth;
    const double left = -margin, top = -margin;
    const double right = m_bounds.width() + margin, bottom = m_bounds.height() + margin;
    auto inside = [&](int x, int y) { return x >= left && x <= right && y >= top && y <= bottom; };
    if (inside(x0, y0) && inside(x1, y1))
        return true;
    // Liang-Barsky on the segment's parameter t in [0, 1].
    const double dx = double(x1) - x0, dy = double(y1) - y0;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double sx = x0, sy = y0;
    x0 = int(std::lround(sx + t0 * dx));
    y0 = int(std::lround(sy + t0 * dy));
    x1 = int(std::lround(sx + t1 * dx));
    y1 = int(std::lround(sy + t1 * dy));
    return true;
}

// Stroking has a cost of its own for every call: a wide pen's segments go to the painter
// together, and the union of their outlines is the pixels of drawing them one by one.
void ChartCanvas::Lines(std::span<const QLine> lines) {
    if (m_penWidth <= 1 || m_penSmallDots) {
        for (const QLine &line : lines)
            Line(line.x1(), line.y1(), line.x2(), line.y2());
        return;
    }
    std::vector<QLine> strokes;
    strokes.reserve(lines.size());
    for (const QLine &line : lines) {
        int x0 = line.x1(), y0 = line.y1(), x1 = line.x2(), y1 = line.y2();
        m_current = QPoint(x1, y1);
        if (m_penStyle == TPenStyle::psClear || (x0 == x1 && y0 == y1) ||
            !CutToReach(x0, y0, x1, y1))
            continue;
        strokes.push_back(WideStroke(x0, y0, x1, y1));
    }
    if (strokes.empty())
        return;
    PrepareOutline();
    m_painter.drawLines(strokes.data(), int(strokes.size()));
}

void ChartCanvas::Line(int x0, int y0, int x1, int y1) {
    m_current = QPoint(x1, y1);
    if (m_penStyle == TPenStyle::psClear || (x0 == x1 && y0 == y1))
        return;
    if (!CutToReach(x0, y0, x1, y1))
        return;
    if (m_penWidth <= 1 || m_penSmallDots)
        ThinLine(x0, y0, x1, y1);
    else
        WideLine(x0, y0, x1, y1);
}

std::span<const int> ChartCanvas::DashPattern() const {
    static constexpr int kSmallDots[] = {1, 1};
    static constexpr int kDash[] = {4, 2};
    static constexpr int kDot[] = {1, 2};
    static constexpr int kDashDot[] = {4, 2, 1, 2};
    static constexpr int kDashDotDot[] = {4, 2, 1, 2, 1, 2};
    if (m_penSmallDots)
        return kSmallDots;
    switch (m_penStyle) {
    case TPenStyle::psDash:
        return kDash;
    case TPenStyle::psDot:
        return kDot;
    case TPenStyle::psDashDot:
        return kDashDot;
    case TPenStyle::psDashDotDot:
        return kDashDotDot;
    case TPenStyle::psSolid:
    case TPenStyle::psClear:
    case TPenStyle::psInsideFrame:
        break;
    }
    return {};
}

namespace {

// Collects the pixels of a stepped line into rows (or columns) filled at once, or
// writes them straight into the image where that is the same.
class PixelRuns {
public:
    PixelRuns(QPainter &painter, const QColor &color, bool rows, const DirectPixels &direct)
        : m_painter(painter), m_color(color), m_rows(rows), m_direct(direct) {}
    ~PixelRuns() { Flush(); }

    void Add(int x, int y) {
        if (m_direct.bits) {
            m_direct.Set(x, y);
            return;
        }
        const QRect pixel(x, y, 1, 1);
        if (!m_run.isNull() && (m_rows ? m_run.top() == y : m_run.left() == x)) {
            m_run = m_run.united(pixel);
            return;
        }
        Flush();
        m_run = pixel;
    }
    void Flush() {
        if (!m_run.isNull())
            m_painter.fillRect(m_run, m_color);
        m_run = QRect();
    }

private:
    QPainter &m_painter;
    QColor m_color;
    bool m_rows;
    const DirectPixels &m_direct;
    QRect m_run;
};

// Walks a pen's on/off pattern one pixel at a time; an empty pattern is always on.
class DashWalk {
public:
    explicit DashWalk(std::span<const int> pattern)
        : m_pattern(pattern), m_left(m_pattern.empty() ? 0 : m_pattern[0]) {}

    bool On() const { return m_pattern.empty() || m_index % 2 == 0; }
    void Step() {
        if (m_pattern.empty() || --m_left > 0)
            return;
        if (++m_index == m_pattern.size())
            m_index = 0;
        m_left = m_pattern[m_index];
    }
    // How many steps stay on or off as now, at most `most`; Step taken that often.
    int Run(int most) {
        if (m_pattern.empty())
            return most;
        const int run = std::min(m_left, most);
        for (int i = 0; i < run; ++i)
            Step();
        return run;
    }

private:
    std::span<const int> m_pattern;
    std::size_t m_index = 0;
    int m_left;
};

} // namespace

// One-pixel lines are stepped here rather than by Qt, which leaves out whichever end has
// the larger coordinate; here the start is always drawn and the end never.
void ChartCanvas::ThinLine(int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    const QColor color = Resolve(m_penColor);
    const DirectPixels direct = DirectTarget(color);
    DashWalk dash(DashPattern());
    // The grid's dotted lines are most of a picture's pixels: straight into the image.
    if (direct.bits && (dx == 0 || dy == 0)) {
        const int stepX = dx == 0 ? 0 : sx;
        const int stepY = dy == 0 ? 0 : sy;
        const int count = std::max(dx, -dy);
        const int xEnd = x0 + stepX * (count - 1), yEnd = y0 + stepY * (count - 1);
        // Wholly inside the clip, the line is written a dash at a time without checks.
        if (count > 0 && std::min(x0, xEnd) >= direct.left && std::max(x0, xEnd) <= direct.right &&
            std::min(y0, yEnd) >= direct.top && std::max(y0, yEnd) <= direct.bottom) {
            quint32 *pixel =
                reinterpret_cast<quint32 *>(direct.bits + y0 * direct.bytesPerLine) + x0;
            const qsizetype stride = stepX + stepY * (direct.bytesPerLine / 4);
            for (int left = count; left > 0;) {
                const bool on = dash.On();
                const int run = dash.Run(left);
                for (int i = 0; on && i < run; ++i)
                    pixel[i * stride] = direct.pixel;
                pixel += run * stride;
                left -= run;
            }
            return;
        }
        for (int i = count, x = x0, y = y0; i > 0; --i, x += stepX, y += stepY) {
            if (dash.On())
                direct.Set(x, y);
            dash.Step();
        }
        return;
    }
    if (!direct.bits)
        ApplyMode();
    PixelRuns runs(m_painter, color, dx >= -dy, direct);
    int error = dx + dy;
    for (int x = x0, y = y0; x != x1 || y != y1; dash.Step()) {
        if (dash.On())
            runs.Add(x, y);
        else
            runs.Flush();
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// Qt strokes a wide flat-capped line over [low, high) of its major coordinate whichever
// way it runs; a line running backward is moved by one so that its start is covered.
QLine ChartCanvas::WideStroke(int x0, int y0, int x1, int y1) {
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    const int shiftX = xMajor && x1 < x0 ? 1 : 0;
    const int shiftY = !xMajor && y1 < y0 ? 1 : 0;
    return {x0 + shiftX, y0 + shiftY, x1 + shiftX, y1 + shiftY};
}

void ChartCanvas::WideLine(int x0, int y0, int x1, int y1) {
    PrepareOutline();
    m_painter.drawLine(WideStroke(x0, y0, x1, y1));
}

void ChartCanvas::FillSpan(const ChartRect &r, const QColor &color) {
    if (IsEmpty(r))
        return;
    m_painter.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), color);
}

void ChartCanvas::FillRect(const ChartRect &r) {
    if (!HasBrush() || IsEmpty(r))
        return;
    PrepareFill();
    m_painter.drawRect(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void ChartCanvas::Rectangle(const ChartRect &r) {
    FillRect(r);
    if (m_penStyle == TPenStyle::psClear || IsEmpty(r))
        return;
    const int right = r.Right - 1;
    const int bottom = r.Bottom - 1;
    if (r.Width() == 1 || r.Height() == 1) {
        // A one-pixel-thin outline: one stroke, so not-xor does not cancel itself.
        Line(r.Left, r.Top, r.Width() == 1 ? r.Left : r.Right, r.Width() == 1 ? r.Bottom : r.Top);
        return;
    }
    MoveTo(r.Left, r.Top);
    LineTo(right, r.Top);
    LineTo(right, bottom);
    LineTo(r.Left, bottom);
    LineTo(r.Left, r.Top);
}

void ChartCanvas::Ellipse(const ChartRect &r) {
    if (r.Width() < 1 || r.Height() < 1)
        return;
    ApplyMode();
    m_painter.setPen(MakePen());
    m_painter.setBrush(HasBrush() ? MakeBrush() : QBrush(Qt::NoBrush));
    m_painter.drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void ChartCanvas::Polygon(std::span<const QPoint> points) {
    ApplyMode();
    m_painter.setPen(MakePen());
    m_painter.setBrush(HasBrush() ? MakeBrush() : QBrush(Qt::NoBrush));
    m_painter.drawPolygon(points.data(), int(points.size()));
}

void ChartCanvas::SetPixel(int x, int y, TColor color) {
    ApplyMode();
    m_painter.fillRect(QRect(x, y, 1, 1), Resolve(color));
}

void ChartCanvas::TextOut(int x, int y, const QString &text, int angle) {
    const ShapedText *shaped = m_image ? &Shaped(text) : nullptr;
    const int width = shaped ? shaped->width : TextWidth(text);
    const int height = TextHeight(text);
    const int left = m_alignH == TextAlignH::Left     ? 0
                     : m_alignH == TextAlignH::Center ? -width / 2
                                                      : -width;
    const int top = m_alignV == TextAlignV::Top ? 0 : -height;
    // Level text needs no turned coordinates; every other drawing sets the painter
    // state it uses, so none of it is put back.
    const bool level = angle == 0;
    if (level) {
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
        m_painter.save();
        m_painter.translate(x, y);
        m_painter.rotate(-angle);
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    const int dx = level ? x : 0;
    const int dy = level ? y : 0;
    // As on the platform, a clear brush writes text without a background.
    if (m_backOpaque && m_brushStyle != TBrushStyle::bsClear)
        FillSpan({dx + left, dy + top, dx + left + width, dy + top + height}, Resolve(m_backColor));
    // Handing the painter a font has it look the font up again: only a change is handed on.
    if (m_painterFontStale || !level)
        m_painter.setFont(DeviceFont());
    m_painterFontStale = !level;
    m_painter.setPen(Resolve(m_fontColor));
    m_painter.setBackgroundMode(Qt::TransparentMode);
    const int baseline = dy + top + Measures().ascent;
    if (m_image)
        m_painter.drawStaticText(QPointF(dx + left, baseline - Measures().exactAscent),
                                 shaped->text);
    else
        m_painter.drawText(dx + left, baseline, text);
    if (!level)
        m_painter.restore();
}

void ChartCanvas::TextBox(const QRectF &box, const QString &text, const QFont &font, bool upward) {
    m_painter.save();
    m_painter.setClipRect(QRect(QPoint(0, 0), m_bounds));
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    if (upward) {
        m_painter.translate(box.left(), box.bottom());
        m_painter.rotate(-90);
        m_painter.drawText(QRectF(0, 0, box.height(), box.width()),
                           Qt::AlignCenter | Qt::TextDontClip, text);
    } else {
        m_painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }
    m_painter.restore();
}

void ChartCanvas::ClipRect(const ChartRect &r) {
    m_clip = QRect(r.Left, r.Top, r.Width(), r.Height());
    m_clipped = true;
    m_painter.setClipRect(m_clip);
}

void ChartCanvas::UnClip() {
    m_clipped = false;
    m_painter.setClipping(false);
}

// An opaque colour copied onto a 32-bit image is the colour's value in each pixel.
DirectPixels ChartCanvas::DirectTarget(const QColor &color) {
    if (!m_image)
        return {};
    QImage &target = *m_image;
    const QImage::Format format = target.format();
    const bool plain = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                       format == QImage::Format_ARGB32_Premultiplied;
    // On a high-density image a logical pixel is several of the image's own.
    if (!plain || m_penMode != TPenMode::pmCopy || color.alpha() != 255 ||
        target.devicePixelRatio() != 1.0 || !target.isDetached())
        return {};
    const QRect area = m_clipped ? m_clip.intersected(target.rect()) : target.rect();
    return {target.bits(), target.bytesPerLine(), area.left(), area.top(),
            area.right(),  area.bottom(),         color.rgba()};
}

ChartRect ChartCanvas::BevelRings(ChartRect r, TColor topLeft, TColor bottomRight, int count) {
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor light = Resolve(topLeft);
    const QColor dark = Resolve(bottomRight);
    for (int ring = 0; ring < count && !IsEmpty(r); ++ring) {
        FillSpan({r.Left, r.Top, r.Right - 1, r.Top + 1}, light);
        FillSpan({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, light);
        FillSpan({r.Left, r.Bottom - 1, r.Right, r.Bottom}, dark);
        FillSpan({r.Right - 1, r.Top, r.Right, r.Bottom}, dark);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    return r;
}

void ChartCanvas::Reset() {
    SetPen(clBlack);
    SetBrush(clWhite, TBrushStyle::bsSolid);
    QFont font = TChartFont().ToQFont();
    font.setPointSize(10);
    SetFont(font, clBlack);
    m_backColor = clWhite;
    m_backOpaque = false;
    UnClip();
}

} // namespace kvr::chart
