#pragma once

#include "ChartGeometry.h"
#include "ChartPen.h"

#include <QStringList>

namespace kvr::chart {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Base of the elements that write text in one font of their own.
class TChartFontObject : public ChartPart {
public:
    TChartFontObject() { Own({&m_font}); }
    TChartFont &Font() { return m_font; }
    const TChartFont &Font() const { return m_font; }

private:
    TChartFont m_font;
};

// Where a title or foot writes its lines in one picture.
struct TitleLayout {
    bool shown = false;
    // Between the plot's left and right edges (inside the frame), from the top of the
    // first line to the bottom of the last.
    ChartRect rect;
};

// The chart's title (at the top) or foot (at the bottom).
// Stored, never drawn: Color and Brush (the text is always written on a clear background).
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

private:
    friend class TitleSteps;

    int FrameWidth() const;

    bool m_isFoot;
    QStringList m_text;
    bool m_visible = true;
    TAlignment m_alignment = TAlignment::taCenter;
    TColor m_color = clDefault;
    bool m_adjustFrame = true;
    TChartBrush m_brush;
    TChartHiddenPen m_frame;
};

} // namespace kvr::chart
