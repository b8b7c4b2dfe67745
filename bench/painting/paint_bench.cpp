// Repainting the whole window onto an image with the hint's shading on, at 30 x 30, in each
// colour scheme (the third argument; the schemes beside Classic draw a mark in most cells): it
// must stay well within a frame.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "hint_position.h"
#include "opponent/hint.h"
#include "play/scene.h"
#include "presentation/layout.h"
#include "presentation/painting.h"
#include "window/qt_canvas.h"

namespace vornmark {
namespace {

void BM_PaintWindowWithTheHint(benchmark::State& state) {
  bench::QuietBenchPlatform platform;
  auto match = std::make_unique<Match>(platform);
  bench::fire_player_volleys(*match, static_cast<int>(state.range(0)), 20);
  match->set_play_state(PlayState::PlayerAiming);
  match->mutable_settings().ColourScheme = static_cast<int>(state.range(2));
  FleetHint hint(platform);
  hint.count(*match);
  Scene scene;
  scene.shown_board = ShownBoard::HisShots;
  scene.shown_fleet = ShownFleet::Mine;
  scene.current_volley = CurrentVolley::Player;
  scene.background_colour = Colour::Teal;
  scene.hint = state.range(1) != 0 ? &hint : nullptr;
  Layout layout;
  layout_window(layout, *match, 1600, 950);
  QImage image(1600, 950, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    QtCanvas canvas(painter, 96);
    paint_window(*match, scene, layout, canvas);
  }
}
BENCHMARK(BM_PaintWindowWithTheHint)
    ->Args({30, 0, 0})
    ->Args({30, 1, 0})
    ->Args({30, 1, 1})
    ->Args({30, 1, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vornmark

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
