// Measures drawing the figure of a live compile into the picture's image: drawn whole at every step, and its steps on the kept empty figure.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "board/geometry.h"
#include "display/colors.h"
#include "output/sheet_image.h"

namespace {

/// The figure of a compile `filled` squares in: each of them placed, the last one highlighted.
loopword::SheetView FigureWithSquares(int filled) {
  loopword::FigureSteps figure;
  figure.PrintRing(loopword::kCrossingSquare, "ELEPHANT");
  for (int square = 1; square <= filled; ++square) {
    figure.PrintRing(square, "QUARTZES");
    figure.DrawSquare(square, square == filled ? loopword::ColorYellow : loopword::ColorInk);
  }
  return loopword::FigureView(figure);
}

void BM_FigureImageWhole(benchmark::State& state) {
  const loopword::SheetView view = FigureWithSquares(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(loopword::SheetImage(view));
}

void BM_FigureImageOnKeptEmptyFigure(benchmark::State& state) {
  const loopword::SheetView view = FigureWithSquares(static_cast<int>(state.range(0)));
  loopword::SheetImages images;
  for (auto _ : state) benchmark::DoNotOptimize(images.Draw(view));
}

BENCHMARK(BM_FigureImageWhole)->Arg(0)->Arg(6)->Arg(23)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FigureImageOnKeptEmptyFigure)->Arg(0)->Arg(6)->Arg(23)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);  // the fonts
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
