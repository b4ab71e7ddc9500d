#include <kvrchart/ChartModel.h>

#include <algorithm>

namespace kvr::chart {

ChartModel::ChartModel() {
    m_backWall.Brush().SetStyle(TBrushStyle::bsClear);
    m_leftWall.SetColor(0x80FFFF);
    m_bottomWall.SetColor(clWhite);
    m_axes = {&m_bottomAxis, &m_topAxis, &m_leftAxis, &m_rightAxis, &m_depthAxis};
    for (ChartPart *part : std::initializer_list<ChartPart *>{
             &m_backWall, &m_leftWall, &m_bottomWall, &m_titleText, &m_foot, &m_legend})
        part->AttachTo(this);
    for (TCustomChartAxis *axis : m_axes)
        axis->AttachTo(this);
}

ChartModel::~ChartModel() = default;

void ChartModel::AdoptSeries(std::unique_ptr<TChartSeries> series) {
    series->AttachTo(this);
    m_seriesList.push_back(series.get());
    m_series.push_back(std::move(series));
    Invalidate();
}

int ChartModel::ActiveSeriesCount() const {
    int count = 0;
    for (const auto &s : m_series)
        count += s->Active() ? 1 : 0;
    return count;
}

void ChartModel::AddTextItem(ChartTextItem item) {
    m_textItems.push_back(std::move(item));
    Invalidate();
}

void ChartModel::SetChart3DPercent(int value) {
    if (value < 1 || value > 100)
        throw ChartException("3D effect percent must be between 1 and 100");
    StoreProperty(m_chart3DPercent, value);
}

QLocale ChartModel::LabelLocale() const {
    for (const ChartView *view : m_views)
        if (const std::optional<QLocale> locale = view->OwnLocale())
            return *locale;
    return QLocale::system();
}

void ChartModel::Invalidate() {
    for (ChartView *view : m_views)
        view->ModelChanged();
}

bool ChartModel::Placed() const {
    return m_views.empty() || std::any_of(m_views.begin(), m_views.end(),
                                          [](const ChartView *view) { return view->Placed(); });
}

void ChartModel::SetBackColor(TColor value) {
    m_backWall.SetColor(value);
    if (Placed() && !m_loading)
        m_backWall.Brush().SetStyle(TBrushStyle::bsSolid);
}

} // namespace kvr::chart
