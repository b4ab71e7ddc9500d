#include <kvrchart/ChartTitle.h>

#include "ChartCanvas.h"
#include "TitleSteps.h"

#include <algorithm>

namespace kvr::chart {

namespace {

constexpr int kTitleFootGap = 5;

} // namespace

TChartTitle::TChartTitle(bool isFoot) : m_isFoot(isFoot) {
    Own({&m_brush, &m_frame});
    Font().SetColor(clBlue);
}

int TChartTitle::FrameWidth() const {
    return m_frame.Visible() && m_frame.Color() != clDefault ? m_frame.Width() : 0;
}

TitleLayout TitleSteps::LayOut(const TChartTitle &self, ChartCanvas &canvas, ChartRect &plotRect) {
    if (!self.m_visible || self.m_text.isEmpty())
        return {};
    canvas.SetFont(self.Font());
    const int h = canvas.FontHeight();
    const int frame = self.FrameWidth();
    const int lines = int(self.m_text.size());
    const int top = self.m_isFoot ? plotRect.Bottom - frame - lines * h : plotRect.Top + frame;
    const TitleLayout layout{true,
                             {plotRect.Left + frame, top, plotRect.Right - frame, top + lines * h}};
    if (self.m_isFoot)
        plotRect.Bottom = layout.rect.Top - frame - kTitleFootGap;
    else
        plotRect.Top = layout.rect.Bottom + frame + kTitleFootGap;
    return layout;
}

// The frame hugs the text when AdjustFrame is set, else spans the plot's width.
void TitleSteps::DrawFrame(const TChartTitle &self, ChartCanvas &canvas, const ChartRect &text,
                           int widest) {
    const int frame = self.FrameWidth();
    if (frame == 0)
        return;
    const int centre = (text.Left + text.Right) / 2;
    const int left = self.m_adjustFrame ? centre - widest / 2 - frame : text.Left - frame;
    const int right = self.m_adjustFrame ? centre + widest / 2 + frame : text.Right + frame;
    canvas.ApplyPen(self.m_frame);
    canvas.SetBrush(clWhite, TBrushStyle::bsClear);
    canvas.Rectangle({left, text.Top - frame, right + 1, text.Bottom + frame});
}

void TitleSteps::Draw(const TChartTitle &self, ChartCanvas &canvas, const TitleLayout &layout) {
    if (!layout.shown)
        return;
    canvas.SetFont(self.Font());
    canvas.SetBackOpaque(false);
    const int h = canvas.FontHeight();
    const int halfW = canvas.TextWidth(QStringLiteral("W")) / 2;
    const ChartRect &r = layout.rect;
    int widest = 0;
    for (int i = 0; i < int(self.m_text.size()); ++i) {
        const QString &line = self.m_text[i];
        const int y = r.Top + i * h;
        widest = std::max(widest, canvas.TextWidth(line));
        if (self.m_alignment == TAlignment::taLeftJustify) {
            canvas.SetTextAlign(TextAlignH::Left, TextAlignV::Top);
            canvas.TextOut(r.Left + halfW, y, line);
        } else if (self.m_alignment == TAlignment::taRightJustify) {
            canvas.SetTextAlign(TextAlignH::Right, TextAlignV::Top);
            canvas.TextOut(r.Right - halfW, y, line);
        } else {
            canvas.SetTextAlign(TextAlignH::Center, TextAlignV::Top);
            canvas.TextOut((r.Left + r.Right) / 2, y, line);
        }
    }
    DrawFrame(self, canvas, r, widest);
}

} // namespace kvr::chart
