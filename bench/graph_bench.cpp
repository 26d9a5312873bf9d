// Measures the graph on the bundled example's law,
// ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d, graphed over X1 and X2:
//   Prepare   the 441 grid evaluations, the markers and labels, and all four
//             display lists (what Draw, Rotate and a picture copy compute)
//   Frame     one rotation frame of a 1000 × 800 graph window: clear, the
//             projection and two rotations, the four lists replayed
//   Picture   the 640 × 640 copied picture drawn off screen
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "files/delimited_text.h"
#include "graph/auto_update.h"
#include "graph/build_scene.h"
#include "graph/draw_scene.h"
#include "graph/graph_model.h"
#include "graph/graph_picture.h"
#include "regress/fit_workspace.h"
#include "regress/y_form.h"

namespace {

struct Example {
  rv::DataSheet sheet;
  rv::FitWorkspace workspace;
};

const Example& LoadExample() {
  static const Example example = [] {
    const rv::Outcome<rv::SheetValues> parsed = rv::ReadDelimitedFile(REGROVANTIS_EXAMPLE_DATA);
    if (!parsed) {
      std::fprintf(stderr, "cannot read %s: %s\n", REGROVANTIS_EXAMPLE_DATA, parsed.message().text.c_str());
      std::exit(1);
    }
    Example e;
    e.sheet.cells = *parsed;
    rv::ApplyAutoUpdate(e.sheet);
    rv::Candidate law;
    law.set = rv::EquationSet::Log;
    for (std::uint8_t v = 1; v <= 3; ++v) law.add({rv::kTermLn, v, 0});
    rv::BuildCandidate(e.workspace, rv::TakeSearchSnapshot(e.sheet.cells), law);
    rv::FitCandidate(e.workspace, 1);
    return e;
  }();
  return example;
}

// A label font of realistic size: 6 × 9 glyphs with an advance of 7.
rv::GlyphSet BenchGlyphs() {
  rv::GlyphSet set;
  for (rv::GlyphBitmap& glyph : set.glyphs) {
    glyph.width = 6;
    glyph.height = 9;
    glyph.advance = 7;
    glyph.bits.assign(54, 0);
    for (int i = 0; i < 54; i += 3) glyph.bits[static_cast<size_t>(i)] = 1;
  }
  return set;
}

constexpr rv::GraphSelection kSurface{2, 1, 2};
constexpr std::array<std::int32_t, 3> kSegments{10, 10, 10};

rv::Scene PrepareScene(const Example& e) {
  const rv::Outcome<rv::GraphModel> built = rv::BuildGraphModel(e.workspace, e.sheet, kSurface, kSegments);
  return rv::BuildScene(*built, rv::DefaultGraphOptions());
}

void Prepare(benchmark::State& state) {
  const Example& e = LoadExample();
  for (auto _ : state) benchmark::DoNotOptimize(PrepareScene(e));
}

// The main window whose graph window is 1000 × 800: (W - 101) × (H - 60).
constexpr int kClientWidth = 1101;
constexpr int kClientHeight = 860;

void Frame(benchmark::State& state) {
  const rv::GlyphSet glyphs = BenchGlyphs();
  const rv::Scene scene = PrepareScene(LoadExample());
  rv::RenderTarget target(1000, 800, rv::GraphWindowViewport(kClientWidth, kClientHeight));
  rv::ViewState view;
  rv::ResetView(view, 2);
  for (auto _ : state) {
    rv::StepRotation(view);
    rv::DrawScene(scene, glyphs, view, target);
    benchmark::DoNotOptimize(target.frame.pixels.data());
  }
}

void Picture(benchmark::State& state) {
  const rv::GlyphSet glyphs = BenchGlyphs();
  const rv::Scene scene = PrepareScene(LoadExample());
  rv::ViewState view;
  rv::ResetView(view, 2);
  for (auto _ : state) benchmark::DoNotOptimize(rv::RenderGraphPicture(scene, glyphs, view));
}

BENCHMARK(Prepare)->Unit(benchmark::kMicrosecond);
BENCHMARK(Frame)->Unit(benchmark::kMillisecond);
BENCHMARK(Picture)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
