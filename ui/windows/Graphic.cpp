#include "Graphic.h"

#include "ChartReadout.h"
#include "Experiment.h"
#include "GraphData.h"
#include "GraphInteraction.h"
#include "GraphicDefinition.h"
#include "Handler.h"
#include "Titles.h"
#include <kvrchart/ChartNavigator.h>

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QShowEvent>

#include <string_view>
#include <utility>

namespace kvr {

using namespace chart;

TForm_Graphic::TForm_Graphic(const Experiment &experiment)
    : TFixedForm("Form_Graphic", WindowTitle(QT_TRANSLATE_NOOP("Title", "Графіки залежностей")),
                 QPoint(23, 181), QSize(1305, 393)),
      m_experiment(experiment) {
    BuildCharts();
    BuildSeries();
    BuildCaptions();
    m_interaction = new GraphInteraction(
        this, {Chart1, Chart2, Chart3}, [this](const TChartSeries &series, double x, double y) {
            return SeriesReadout(m_experiment, DefinitionOf(series), x, y);
        });
    ApplyResizePolicy();
}

const SeriesDefinition &TForm_Graphic::DefinitionOf(const TChartSeries &series) const {
    for (const SeriesDefinition &definition : GraphSeriesDefinitions())
        if (Series[definition.number] == &series)
            return definition;
    qFatal("A series the graphs window did not define");
}

void TForm_Graphic::BuildCharts() {
    TChart **charts[] = {&Chart1, &Chart2, &Chart3};
    int index = 0;
    for (const ChartDefinition &definition : GraphChartDefinitions()) {
        auto *chart = new TChart(this);
        chart->setObjectName(QString::fromLatin1(definition.name));
        chart->setGeometry(definition.left, definition.top, definition.width, definition.height);
        // The stored definition is applied as a form loads it, before any showing.
        ApplyChartDefinition(chart->Model(), definition);
        new ChartNavigator(chart);
        *charts[index++] = chart;
    }
    QWidget::setTabOrder(Chart1, Chart2);
    QWidget::setTabOrder(Chart2, Chart3);
}

void TForm_Graphic::BuildSeries() {
    TChart *charts[] = {nullptr, Chart1, Chart2, Chart3};
    for (const SeriesDefinition &definition : GraphSeriesDefinitions())
        Series[definition.number] =
            &AddDefinedSeries(charts[definition.chart]->Model(), definition);
}

void TForm_Graphic::BuildCaptions() {
    TChart *charts[] = {nullptr, Chart1, Chart2, Chart3};
    const std::pair<const char *, QLabel * TForm_Graphic::*> members[] = {
        {"Label4", &TForm_Graphic::Label4}, {"Label5", &TForm_Graphic::Label5},
        {"Label6", &TForm_Graphic::Label6}, {"Label7", &TForm_Graphic::Label7},
        {"Image1", &TForm_Graphic::Image1}, {"Image2", &TForm_Graphic::Image2},
        {"Image3", &TForm_Graphic::Image3}};
    for (const ChartCaption &caption : GraphCaptions()) {
        auto *label = new QLabel(charts[caption.chart]);
        for (auto [name, member] : members)
            if (std::string_view(name) == caption.name)
                this->*member = label;
        label->setObjectName(QString::fromLatin1(caption.name));
        label->setGeometry(caption.left, caption.top, caption.width, caption.height);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (caption.picture)
            label->setPixmap(QPixmap(QCoreApplication::translate("Picture", caption.picture)));
        else
            label->setText(QCoreApplication::translate("Graph", caption.text));
    }
}

bool TForm_Graphic::FormCanResize(int &, int &) { return false; }

void TForm_Graphic::showEvent(QShowEvent *event) {
    TFixedForm::showEvent(event);
    // A window-system show (restoring from the task bar) is no new showing.
    if (!event->spontaneous())
        RunHandler([this] { FormShow(); });
}

void TForm_Graphic::closeEvent(QCloseEvent *event) {
    RunHandler([this] { FormClose(); });
    TFixedForm::closeEvent(event);
}

void TForm_Graphic::FormShow() {
    TChart *charts[] = {Chart1, Chart2, Chart3};
    for (TChart *chart : charts)
        chart->Model().SetBackColor(kGraphBackColor);
    // A zoom, panning or the wheel of an earlier showing left the axes on a view of the
    // old data; each showing spans its own data again, with no zoom to undo.
    for (int i = 0; i < 3; ++i) {
        ApplyAxesDefinition(charts[i]->Model(), GraphChartDefinition(i + 1), &m_experiment.State());
        ChartNavigator::Of(*charts[i])->ForgetSavedScales();
    }
    FillDefinedSeries(Series, m_experiment.State());
    emit ChartsFilled();
}

void TForm_Graphic::Refill() {
    FormClose();
    FormShow();
}

void TForm_Graphic::FormClose() {
    for (int number = 1; number <= 10; ++number)
        SeriesNo(number).RemoveAllPoints();
}

} // namespace kvr
