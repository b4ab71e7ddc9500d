// Start-up in English, up to the first event loop, and what the interface's translations add
// to it, measured in one run: the application object, the windows built and the main window
// shown with its first events handled, and the loading of Qt's and the program's
// translations. Counter: translations_percent of the whole start, to be read against 5.
// Build with the release settings.
#include "Translations.h"
#include "WindowSet.h"

#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QTranslator>

#include <benchmark/benchmark.h>

namespace {

double g_applicationMs = 0; // QApplication and its platform, once per process

double Elapsed(const QElapsedTimer &clock) { return double(clock.nsecsElapsed()) / 1e6; }

void BM_StartToFirstEventLoop(benchmark::State &state) {
    double windowsMs = 0, translationsMs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QTranslator qt, own;
        benchmark::DoNotOptimize(qt.load(QStringLiteral("qtbase_en"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        benchmark::DoNotOptimize(own.load(QStringLiteral(":/i18n/kvr_en")));
        translationsMs += Elapsed(clock);
        clock.restart();
        kvr::WindowSet windows;
        windows.Start();
        QCoreApplication::processEvents();
        windowsMs += Elapsed(clock);
    }
    const double runs = double(state.iterations());
    state.counters["start_ms"] = g_applicationMs + (windowsMs + translationsMs) / runs;
    state.counters["translations_percent"] =
        100 * translationsMs / (g_applicationMs * runs + windowsMs + translationsMs);
}

BENCHMARK(BM_StartToFirstEventLoop)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "en_US.UTF-8");
    QElapsedTimer clock;
    clock.start();
    kvr::KvrApplication application(argc, argv);
    g_applicationMs = Elapsed(clock);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
