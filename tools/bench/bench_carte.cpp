#include "tavolo_carte.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// Repaints every card view of a full table into an image at the given device pixel ratio;
// the first paint warms the picture cache, so the timed ones never render vector art.
void Ridisegna(benchmark::State& stato, qreal rapporto) {
    TavoloCarte tavolo;
    QImage schermo(tavolo.size() * rapporto, QImage::Format_ARGB32_Premultiplied);
    schermo.setDevicePixelRatio(rapporto);
    tavolo.render(&schermo);
    for (auto _ : stato) {
        // Only the cards and the deck: the green cloth is not theirs to paint.
        tavolo.render(&schermo, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(schermo.constBits());
    }
}

void BM_RidisegnaTavoloRapporto2(benchmark::State& stato) {
    Ridisegna(stato, 2);
}
void BM_RidisegnaTavoloRapporto1(benchmark::State& stato) {
    Ridisegna(stato, 1);
}

BENCHMARK(BM_RidisegnaTavoloRapporto2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RidisegnaTavoloRapporto1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
