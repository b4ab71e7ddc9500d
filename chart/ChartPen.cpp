#include <kvrchart/ChartPen.h>

namespace kvr::chart {

QFont TChartFont::MakeFont() const {
    QFont font(m_name, m_size);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    return font;
}

} // namespace kvr::chart
