#include "ChartTitle.h"

#include "ChartCanvas.h"

#include <algorithm>

TChartTitle::TChartTitle(bool isFoot) : m_isFoot(isFoot) { Font().SetColor(clBlue); }

void TChartTitle::SetTitleSink(ChangeSink *sink) {
    SetFontSink(sink);
    m_brush.SetSink(sink);
    m_frame.SetSink(sink);
}

int TChartTitle::FrameWidth() const {
    return m_frame.Visible() && m_frame.Color() != clDefault ? m_frame.Width() : 0;
}

// The frame hugs the text when AdjustFrame is set, else spans the plot's width.
void TChartTitle::DrawFrame(ChartCanvas &canvas, int widest, int top, int bottom) const {
    const int frame = FrameWidth();
    if (frame == 0)
        return;
    const int centre = (m_shownRect.Left + m_shownRect.Right) / 2;
    const int left = m_adjustFrame ? centre - widest / 2 - frame : m_shownRect.Left - frame;
    const int right = m_adjustFrame ? centre + widest / 2 + frame : m_shownRect.Right + frame;
    canvas.ApplyPen(m_frame);
    canvas.SetBrush(clWhite, bsClear);
    canvas.Rectangle({left, top - frame, right + 1, bottom + frame});
}

void TChartTitle::Draw(ChartCanvas &canvas, ChartRect &plotRect) const {
    m_shownRect = {};
    if (!m_visible || m_text.isEmpty())
        return;
    canvas.SetFont(Font());
    canvas.SetBackOpaque(false);
    const int h = canvas.FontHeight();
    const int frame = FrameWidth();
    const int halfW = canvas.TextWidth(QStringLiteral("W")) / 2;
    const int left = plotRect.Left + frame;
    const int right = plotRect.Right - frame;
    const int lines = int(m_text.size());
    const int textTop = m_isFoot ? plotRect.Bottom - frame - lines * h : plotRect.Top + frame;
    int widest = 0;
    for (int i = 0; i < lines; ++i) {
        const QString &line = m_text[i];
        const int y = textTop + i * h;
        widest = std::max(widest, canvas.TextWidth(line));
        if (m_alignment == taLeftJustify) {
            canvas.SetTextAlign(TextAlignH::Left, TextAlignV::Top);
            canvas.TextOut(left + halfW, y, line);
        } else if (m_alignment == taRightJustify) {
            canvas.SetTextAlign(TextAlignH::Right, TextAlignV::Top);
            canvas.TextOut(right - halfW, y, line);
        } else {
            canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Top);
            canvas.TextOut((left + right) / 2, y, line);
        }
    }
    const int textBottom = textTop + lines * h;
    m_shownRect = {left, textTop, right, textBottom};
    DrawFrame(canvas, widest, textTop, textBottom);
    constexpr int kTitleFootGap = 5;
    if (m_isFoot)
        plotRect.Bottom = textTop - frame - kTitleFootGap;
    else
        plotRect.Top = textBottom + frame + kTitleFootGap;
}
