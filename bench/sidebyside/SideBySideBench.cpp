// The benchmark chart drawn by our chart and by QCustomPlot in one run, with the ratios
// that tell whether ours keeps up: redraw at N = 128, 10 000 and 1 000 000 line points,
// taking in 1 000 000 points (against QCustomPlot's load and against filling two
// std::vector<double>), and the bytes a point costs. Medians over repetitions that take
// turns between the two charts, so that a busy moment of the machine hits both.
#include "BenchChart.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <qcustomplot.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 441;
constexpr int kHeight = 377;

// The curve at x = 55, 56, … and three measured points beside it at N/8, N/3 and 2N/3.
struct Data {
    std::vector<double> x, y, measuredX, measuredY;

    explicit Data(int n) {
        for (int i = 0; i < n; ++i) {
            x.push_back(55.0 + i);
            y.push_back(kvr::bench::CurveY(x.back()));
        }
        const int at[3] = {n / 8, n / 3, 2 * n / 3};
        const double factor[3] = {1.15, 0.85, 1.10};
        for (int k = 0; k < 3; ++k) {
            measuredX.push_back(x[std::size_t(at[k])]);
            measuredY.push_back(y[std::size_t(at[k])] * factor[k]);
        }
    }
};

// QCustomPlot on the same chart: aliased, a 2-pixel line, 8-pixel filled circles,
// labelled axes with their grid, and the legend.
struct PeerChart {
    QCustomPlot plot;
    QCPGraph *line = nullptr;
    QCPGraph *points = nullptr;

    PeerChart() {
        plot.resize(kWidth, kHeight);
        plot.setNotAntialiasedElements(QCP::aeAll);
        plot.xAxis->setLabel(QStringLiteral("speed"));
        plot.yAxis->setLabel(QStringLiteral("value"));
        line = plot.addGraph();
        line->setName(QStringLiteral("model"));
        line->setPen(QPen(QColor(0, 0, 200), 2));
        points = plot.addGraph();
        points->setName(QStringLiteral("measured"));
        points->setLineStyle(QCPGraph::lsNone);
        points->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::red, 1), QBrush(Qt::red), 8));
        plot.legend->setVisible(true);
    }

    void Load(const Data &d) {
        line->setData(QVector<double>(d.x.begin(), d.x.end()),
                      QVector<double>(d.y.begin(), d.y.end()), true);
        points->setData(QVector<double>(d.measuredX.begin(), d.measuredX.end()),
                        QVector<double>(d.measuredY.begin(), d.measuredY.end()), true);
        plot.rescaleAxes();
    }

    void Render(QImage &image) {
        QCPPainter painter(&image);
        plot.toPainter(&painter, kWidth, kHeight);
    }
};

struct OurChart : kvr::bench::BenchChart {
    double Load(const Data &d) {
        line->AddPoints(d.x, d.y);
        points->AddPoints(d.measuredX, d.measuredY);
        return Ranges();
    }
    // The picture again, into the same image, as the peer's toPainter draws it; the model has
    // not changed, so the layout stands.
    void Render(QImage &image) { chart->Draw(image, QRect(QPoint(0, 0), chart->size())); }
};

double Milliseconds(const std::function<void()> &work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

// Runs both in turns, the first one first on even repetitions; returns both medians.
std::pair<double, double> TakeTurns(int repetitions, const std::function<double()> &ours,
                                    const std::function<double()> &peer) {
    std::vector<double> a, b;
    for (int r = 0; r < repetitions; ++r) {
        if (r % 2 == 0) {
            a.push_back(ours());
            b.push_back(peer());
        } else {
            b.push_back(peer());
            a.push_back(ours());
        }
    }
    return {Median(a), Median(b)};
}

void PrintRow(const char *what, double ours, double other) {
    std::printf("| %s | %.3f | %.3f | %.2f |\n", what, ours, other, ours / other);
}

double Sink = 0;

void Redraw(int n, int repetitions) {
    const Data data(n);
    OurChart ours;
    ours.Load(data);
    PeerChart peer;
    peer.Load(data);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    for (int warm = 0; warm < 2; ++warm) {
        ours.Render(picture);
        peer.Render(image);
    }
    const auto [a, b] = TakeTurns(
        repetitions, [&] { return Milliseconds([&] { ours.Render(picture); }); },
        [&] {
            image.fill(Qt::white);
            return Milliseconds([&] { peer.Render(image); });
        });
    const QByteArray what = QStringLiteral("redraw, N = %L1").arg(n).toUtf8();
    PrintRow(what.constData(), a, b);
}

void TakeIn(int n, int repetitions) {
    const Data data(n);
    std::unique_ptr<OurChart> ours;
    std::unique_ptr<PeerChart> peer;
    // Into a fresh chart each time; building the empty chart is not timed.
    const auto takeIn = [&] {
        ours = std::make_unique<OurChart>();
        return Milliseconds([&] { Sink += ours->Load(data); });
    };
    const auto [a, b] = TakeTurns(repetitions, takeIn, [&] {
        peer = std::make_unique<PeerChart>();
        return Milliseconds([&] { peer->Load(data); });
    });
    const auto [c, fill] = TakeTurns(repetitions, takeIn, [&] {
        return Milliseconds([&] {
            std::vector<double> xs, ys;
            for (std::size_t i = 0; i < data.x.size(); ++i) {
                xs.push_back(data.x[i]);
                ys.push_back(data.y[i]);
            }
            Sink += xs.back() + ys.back();
        });
    });
    PrintRow("taking in 1 000 000 points, against QCustomPlot's load", a, b);
    PrintRow("taking in 1 000 000 points, against filling two std::vector<double> (goal ≤ 2)", c,
             fill);
    std::printf("\nbytes per point: %.2f taken in at once, ",
                double(ours->line->CapacityBytes()) / n);
    OurChart oneByOne;
    for (std::size_t i = 0; i < data.x.size(); ++i)
        oneByOne.line->AddPoint(data.x[i], data.y[i]);
    std::printf("%.2f added one by one (goal ≤ 24)\n", double(oneByOne.line->CapacityBytes()) / n);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // QCustomPlot takes the application font; this is the one its peer benchmark uses.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    const int repetitions = argc > 1 ? std::max(5, std::atoi(argv[1])) : 21;
    std::printf("| what | project ms | QCustomPlot ms | project / QCustomPlot |\n");
    std::printf("|---|---:|---:|---:|\n");
    Redraw(128, repetitions);
    Redraw(10000, repetitions);
    Redraw(1000000, std::max(5, repetitions / 2));
    TakeIn(1000000, std::max(5, repetitions / 3));
    std::printf("medians of %d repetitions (%d at N = 1 000 000)\n", repetitions,
                std::max(5, repetitions / 2));
    return Sink > 0 ? 0 : 1;
}
