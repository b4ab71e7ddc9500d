#pragma once

#include "ChartGeometry.h"
#include "ChartPen.h"

#include <QStringList>

class ChartCanvas;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Base of the elements that write text in one font of their own.
class TChartFontObject : public ChartPart {
public:
    TChartFont &Font() { return m_font; }
    const TChartFont &Font() const { return m_font; }

protected:
    void SetFontSink(ChangeSink *sink) {
        SetSink(sink);
        m_font.SetSink(sink);
    }

private:
    TChartFont m_font;
};

// The chart's title (at the top) or foot (at the bottom).
class TChartTitle : public TChartFontObject {
public:
    explicit TChartTitle(bool isFoot);

    const QStringList &Text() const { return m_text; }
    bool Visible() const { return m_visible; }
    TAlignment Alignment() const { return m_alignment; }
    TColor Color() const { return m_color; }
    bool AdjustFrame() const { return m_adjustFrame; }
    TChartBrush &Brush() { return m_brush; }
    TChartHiddenPen &Frame() { return m_frame; }
    const TChartHiddenPen &Frame() const { return m_frame; }

    void SetText(const QStringList &value) { Store(m_text, value); }
    void SetVisible(bool value) { Store(m_visible, value); }
    void SetAlignment(TAlignment value) { Store(m_alignment, value); }
    void SetColor(TColor value) { Store(m_color, value); }
    void SetAdjustFrame(bool value) { Store(m_adjustFrame, value); }

    void SetTitleSink(ChangeSink *sink);

    // Writes the lines from the plot's top (title) or bottom (foot) edge inward and
    // takes their room off the plotting rectangle.
    void Draw(ChartCanvas &canvas, ChartRect &plotRect) const;
    bool Contains(int x, int y) const { return m_shownRect.Contains(x, y); }

private:
    int FrameWidth() const;
    void DrawFrame(ChartCanvas &canvas, int widest, int top, int bottom) const;

    bool m_isFoot;
    QStringList m_text;
    bool m_visible = true;
    TAlignment m_alignment = taCenter;
    TColor m_color = clDefault;
    bool m_adjustFrame = true;
    TChartBrush m_brush;
    TChartHiddenPen m_frame;
    mutable ChartRect m_shownRect;
};
